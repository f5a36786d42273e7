var o;
begin
  o := Owned;
  Print(o[1]);
end;

