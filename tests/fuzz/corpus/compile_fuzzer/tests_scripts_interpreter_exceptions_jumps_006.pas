function F(a);
begin
  result := 0;
  try
    try
      try
        result := 5;
        exit;
      except
        Print('never');
      end;
    finally
      Print('inner finally');
    end;
  finally
    Print('outer finally');
  end;
  result := -1;
end;

