begin
  Print('[' + ExtractFileExt('.bashrc') + ']', ChangeFileExt('.bashrc', '.bak'), ChangeFileExt('x.tar.gz', '.zip'), ChangeFileExt('readme', '.txt'));
end;

