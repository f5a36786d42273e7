{ Loops over pages: collects the links of the stock list in examples/prices.html, fetches each
  stock's quote page and gathers its opening and closing prices into one table, saved as CSV.
  Run it with "zendrik examples/quote_pages.pas [OUTPUT.csv]" (default: quotes.csv here). }
var folder, page, links, stocks, opens, closes, count, row, i, target, open, close, output;
begin
  folder := ExtractFilePath(ExpandFileName(ParamStr(1)));
  page := Download('file://' + folder + 'prices.html', '');

  { First the links: every fetch replaces the table. }
  links := VarArrayCreate(99);
  stocks := VarArrayCreate(99);
  opens := VarArrayCreate(99);
  closes := VarArrayCreate(99);
  count := 0;
  row := 1;
  while (row < 1000) and (count < 100) do
  begin
    if AnsiPos('/q/', GetCell(1, row)) = 1 then
    begin
      links[count] := GetCell(1, row);
      count := count + 1;
    end;
    row := row + 1;
  end;

  for i := 0 to count - 1 do
  begin
    { "/q/abc.html" is written from the site's root, which is the page's folder here. }
    target := Download(ExtractRelativePath('/', links[i]), page);
    open := '';
    close := '';
    for row := 1 to 50 do
    begin
      if GetCell(1, row) = 'Open' then open := GetCell(2, row);
      if GetCell(1, row) = 'Close' then close := GetCell(2, row);
    end;
    stocks[i] := UpperCase(ChangeFileExt(ExtractFileName(target), ''));
    opens[i] := open;
    closes[i] := close;
    writeln(Format('%-6s open %6s close %6s', stocks[i], open, close));
  end;

  ClearCells;
  SetCell(1, 1, 'Stock');
  SetCell(2, 1, 'Open');
  SetCell(3, 1, 'Close');
  for i := 0 to count - 1 do
  begin
    SetCell(1, i + 2, stocks[i]);
    SetCell(2, i + 2, opens[i]);
    SetCell(3, i + 2, closes[i]);
  end;
  output := ParamStr(2);
  if output = '' then output := 'quotes.csv';
  SaveTable(output);
  writeln(count, ' pages, saved to ', output);
end;
