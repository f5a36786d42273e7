begin
  try
    try
      raise 'first';
    except
      Fail('second');
    end;
  except
    Print('handler', exception);
  end;
  Print('after', exception);
end;

