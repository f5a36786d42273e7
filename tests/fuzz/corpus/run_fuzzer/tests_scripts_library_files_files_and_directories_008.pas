begin
  Print(ExtractShortPathName('sub/c.txt'), '[' + ExtractShortPathName('none') + ']');
end;

