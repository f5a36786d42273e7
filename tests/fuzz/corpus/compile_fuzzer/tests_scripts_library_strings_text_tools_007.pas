var parts;
begin
  parts := SplitString('a,b;;c', ',;');
  Print(VarToStrEx(parts), VarToStrEx(SplitString('', ',')), VarToStrEx(SplitString('a,b', '')), VarToStrEx(SplitString(',', ',')));
end;

