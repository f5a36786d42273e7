{ Shows its work in the window it runs in: the caption, the address field and the status label
  follow the extraction of examples/prices.html, and the button waits while it runs; at the end
  it writes what it changed. Run it in the window (File, Examples, window_demo.pas, then F9), or
  with "zendrik examples/window_demo.pas", where the window stays hidden (and, without a
  display, exists offscreen) but every component reads and writes the same. }
var folder, page, rows, before;
begin
  before := Caption;
  Caption := 'Zendrik - extracting...';
  ExtractDataBtn.Enabled := False;

  { The page beside this script; for an unsaved text in the editor, the examples folder of the
    current one. }
  if ParamCount > 0 then
    folder := ExtractFilePath(ExpandFileName(ParamStr(1)))
  else
    folder := IncludeTrailingBackslash(GetCurrentDir) + 'examples/';
  Edit1.Text := 'file://' + folder + 'prices.html';
  Label2.Caption := 'fetching ' + ExtractFileName(Edit1.Text);

  page := Download(URL, '');
  rows := 0;
  while GetCell(1, rows + 1) <> '' do rows := rows + 1;

  Label2.Caption := IntToStr(rows) + ' rows from ' + ExtractFileName(page);
  ExtractDataBtn.Enabled := True;
  Caption := before;
  writeln(Label2.Caption, '; the button is enabled again: ', ExtractDataBtn.Enabled);
end;
