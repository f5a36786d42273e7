var i;
begin
  for i := 1 to 3 do begin
    try
      if i = 2 then break;
    except
      Print('stale', exception);
    end;
  end;
  Print('after');
  Print(1 div 0);
end;

