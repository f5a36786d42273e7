{ Writes a summary of a folder: its files with size and time, the largest one and the total.
  Run it with "zendrik examples/folder_report.pas [FOLDER]"; without FOLDER it reports the
  folder of this script. }
var folder, F, code, count, total, largest, largestSize, line;
begin
  folder := ParamStr(2);
  if folder = '' then folder := ExtractFilePath(ExpandFileName(ParamStr(1)));
  folder := IncludeTrailingBackslash(ExpandFileName(folder));
  writeln('Files in ', folder);

  count := 0;
  total := 0;
  largest := '';
  largestSize := -1;
  { The search variable is passed with @, so that FindFirst can store the search in it. }
  code := FindFirst(folder + '*', faAnyFile - faDirectory, @F);
  while code = 0 do
  begin
    line := Format('  %-20s %8d  ', F.Name, F.Size) + FormatDateTime('yyyy-mm-dd hh:nn', F.Time);
    writeln(line);
    count := count + 1;
    total := total + F.Size;
    if F.Size > largestSize then
    begin
      largest := F.Name;
      largestSize := F.Size;
    end;
    code := FindNext(@F);
  end;
  FindClose(@F);

  writeln(Format('%d files, %s bytes', count, FormatFloat('#,##0', total)));
  if count > 0 then writeln('largest: ', largest, ' (', largestSize, ' bytes)');
  writeln('as of ', DateTimeToStr(Now));
end;
