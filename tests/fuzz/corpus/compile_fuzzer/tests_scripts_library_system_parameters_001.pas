begin
  Print(faReadOnly, faHidden, faSysFile, faDirectory, faArchive, faAnyFile, fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate);
end;

