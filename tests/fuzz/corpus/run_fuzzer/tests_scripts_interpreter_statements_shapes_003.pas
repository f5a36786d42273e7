var x, d;
begin
  x := 7;
  d := 0;
  x := x mod d;
end;

