begin
  Items[3] := 'three';
  Print(Items[3], Items[0]);
end;

