// case: ParamStr gives the program's path, the script name and the arguments; empty beyond
begin
  Print(ParamCount, ParamStr(0), ParamStr(1), '[' + ParamStr(2) + ']', '[' + ParamStr(3) + ']', '[' + ParamStr(-1) + ']');
end;
// expect: 2 /opt/zendrik/bin/zendrik job.pas [one two] [] []

// case: the constants of the package
begin
  Print(faReadOnly, faHidden, faSysFile, faDirectory, faArchive, faAnyFile, fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate);
end;
// expect: 1 2 4 16 32 63 0 1 2 65535

// case: without an automation server automation objects can be neither created nor found
var message;
begin
  try
    GetActiveOleObject('Word.Application');
  except
    message := exception;
  end;
  Print(message);
  CreateOleObject('Excel.Application');
end;
// expect: GetActiveOleObject('Word.Application'): automation objects are not available on this platform
// expect error: CreateOleObject('Excel.Application'): automation objects are not available on this platform

// case: a class identifier names no object here
begin
  CreateComObject('{00000000-0000-0000-C000-000000000046}');
end;
// expect error: CreateComObject('{00000000-0000-0000-C000-000000000046}'): class identifiers name no objects on this platform; CreateOleObject takes the name of a D-Bus service
