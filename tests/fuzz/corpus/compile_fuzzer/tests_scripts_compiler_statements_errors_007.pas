begin
  a := @b
end;

