var i, n;
begin
  n := 0;
  for i := 1 to 3000 do begin
    while true do
      try
        try
          break;
        except
          Print('never');
        end;
      finally
        n := n + 1;
      end;
    try
      goto next;
    except
    end;
    next: ;
  end;
  Print(n);
  Fail('after the loops');
end;

