var o;
begin
  o := Items;
  o[2] := 'two';
  Print(o[2], Items[2]);
end;

