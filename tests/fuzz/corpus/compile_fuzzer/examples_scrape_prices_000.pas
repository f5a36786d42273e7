{ Reads prices from the pages' own text: takes the stock list examples/prices.html with
  GetPage, picks the links to the quote pages out of it with RegExFindAll, follows each link
  with GetPage (waiting politely between pages with Sleep), and reads each page's closing price
  with RegExFind, turning "12,50" into the number 12.5 whatever the locale. The table gets one
  row a stock.
  Run it with "zendrik examples/scrape_prices.pas [OUTPUT.csv]" (default: scraped.csv here). }
var list, listAddress, links, i, page, name, close, price, total, row, output;
begin
  listAddress := 'file://' + ExtractFilePath(ExpandFileName(ParamStr(1))) + 'prices.html';
  list := GetPage(listAddress);
  if LastDownloadError <> '' then
    raise 'cannot read the stock list: ' + LastDownloadError;

  { The links to the quote pages: href="/q/abc.html" and the like, written from the site's
    root, which is the list's folder here. }
  links := RegExFindAll(list, 'href="/(q/[^"]+\.html)"', 1);

  ClearCells;
  SetCell(1, 1, 'Stock');
  SetCell(2, 1, 'Close');
  row := 1;
  total := 0;
  for i := 0 to VarArrayHighBound(links, 1) do
  begin
    if i > 0 then Sleep(200);  { one page at a time, as a polite client does }
    page := GetPage(links[i], listAddress);
    if LastDownloadError <> '' then
      writeln('skipped ', links[i], ': ', LastDownloadError)
    else
    begin
      name := RegExFind(page, '<title>(.*?)</title>', 1);
      close := RegExFind(page, '<td>Close</td>\s*<td>(\d+,\d\d)</td>', 1);
      { "12,50" is 12 and 50 hundredths: read as two integers, it means the same in every
        locale. }
      price := StrToInt(RegExFind(close, '^\d+', 0)) + StrToInt(RegExFind(close, '\d\d$', 0)) / 100;
      total := total + price;
      row := row + 1;
      SetCell(1, row, name);
      SetCell(2, row, FormatFloat('0.00', price));
      writeln(Format('%-20s %8s', name, FormatFloat('0.00', price)));
    end;
  end;

  output := ParamStr(2);
  if output = '' then output := 'scraped.csv';
  SaveTable(output);
  writeln(row - 1, ' prices, total ', FormatFloat('0.00', total), ', saved to ', output);
end;
