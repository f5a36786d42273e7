procedure P(a);
var A;
begin
end;

