{ The stock list of examples/prices.html: reads its price table, follows the link of the first
  stock to its quote page, writes a summary and saves a table of the prices as CSV.
  Run it with "zendrik examples/prices.pas [OUTPUT.csv]"; without OUTPUT the table goes to
  prices.csv in the current directory. }
var folder, page, decimal, row, first, name, link, price, names, prices, count, total, best,
  firstLink, quote, close, i, output;
begin
  { The page lies beside this script, whatever the current directory. }
  folder := ExtractFilePath(ExpandFileName(ParamStr(1)));
  page := Download('file://' + folder + 'prices.html', '');
  { The page writes "12,50"; StrToFloat wants the separator of the locale. }
  decimal := StringReplace(FormatFloat('0.0', 0), '0', '');

  { The price rows follow the row of column names. A row that starts with a link holds link,
    name and price; a row without one holds name and price; a row without a price is passed
    over, and one whose price is not a number is reported. }
  row := 1;
  while (GetCell(1, row) <> 'Name') and (row < 1000) do row := row + 1;
  names := VarArrayCreate(99);
  prices := VarArrayCreate(99);
  count := 0;
  total := 0;
  best := -1;
  firstLink := '';
  row := row + 1;
  while (GetCell(1, row) <> '') and (count < 100) do
  begin
    first := GetCell(1, row);
    if IsPathDelimiter(first, 1) then
    begin
      link := first;
      name := GetCell(2, row);
      price := GetCell(3, row);
    end
    else
    begin
      link := '';
      name := first;
      price := GetCell(2, row);
    end;
    if price <> '' then
    try
      price := StrToFloat(StringReplace(StringReplace(price, '.', decimal), ',', decimal));
      names[count] := name;
      prices[count] := price;
      total := total + price;
      if (best < 0) or (price > prices[best]) then best := count;
      if (firstLink = '') and (link <> '') then firstLink := link;
      count := count + 1;
    except
      writeln('skipped row ', row, ': ', exception);
    end;
    row := row + 1;
  end;

  writeln(Format('%d prices from %s', count, ExtractFileName(page)));
  writeln(Format('total %.2f, average %.2f', total, total / count));
  writeln('highest: ', names[best], ' at ', FormatFloat('0.00', prices[best]));

  { Follow the first stock's link. It is written from the site's root ("/q/abc.html"); here the
    site is the folder of the page, so it is taken relative to that. }
  if firstLink <> '' then
  begin
    quote := Download(ExtractRelativePath('/', firstLink), page);
    row := 1;
    close := '';
    while (close = '') and (row < 100) do
    begin
      if SameText(GetCell(1, row), 'Close') then close := GetCell(2, row);
      row := row + 1;
    end;
    writeln('followed ', ExtractFileName(quote), ': close ', close);
  end;

  { The summary as a table of its own, saved as CSV. }
  ClearCells;
  SetCell(1, 1, 'Name');
  SetCell(2, 1, 'Price');
  for i := 0 to count - 1 do
  begin
    SetCell(1, i + 2, names[i]);
    SetCell(2, i + 2, FormatFloat('0.00', prices[i]));
  end;
  SetCell(1, count + 2, 'Total');
  SetCell(2, count + 2, FormatFloat('0.00', total));
  SetCell(1, count + 3, 'Saved');
  SetCell(2, count + 3, FormatDateTime('yyyy-mm-dd hh:nn', Now));
  output := ParamStr(2);
  if output = '' then output := 'prices.csv';
  SaveTable(output);
  writeln('saved ', count + 3, ' rows to ', output);
end;
