begin
  Caption := 'host';
  Print(Evaluate('Caption + ''!'''));
end;

