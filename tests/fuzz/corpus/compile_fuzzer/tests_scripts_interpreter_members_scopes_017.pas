var o;
begin
  o := NewHost;
  o.Caption := 'new';
  Print(o.Caption);
  o.Free;
  Print(o.Caption);
end;

