function F;
var result;
begin
end;

