// case: a raised integer stays an integer in the handler
begin
  try
    raise 42;
  except
    Print(exception + 1);
  end;
end;
// expect: 43

// case: an engine error reaches the handler as its message
begin
  try
    Fail('broken');
  except
    Print(exception);
  end;
end;
// expect: broken

// case: a finally part runs once when nothing fails
begin
  try
    Print('body');
  finally
    Print('finally');
  end;
  Print('after');
end;
// expect: body
// expect: finally
// expect: after

// case: a finally part runs and the error goes on
begin
  try
    Fail('boom');
  finally
    Print('finally');
  end;
  Print('not reached');
end;
// expect: finally
// expect error: boom

// case: after a handled error the pending value is unassigned again
begin
  try
    raise 'x';
  except
  end;
  Print(exception);
end;
// expect: Unassigned

// case: an error in the middle of an expression unwinds the stack to the block
var a;
begin
  a := 1;
  try
    Print(1, 2, 3 + Fail('deep'));
  except
    Print('caught', exception);
  end;
  Print(a + 1);
end;
// expect: caught deep
// expect: 2

// case: a finally inside an except part does not raise the handled exception again
begin
  try
    try
      raise 'outer';
    except
      try
        Print('inner');
      finally
        Print('finally');
      end;
      Print('after', exception);
    end;
  except
    Print('not reached', exception);
  end;
end;
// expect: inner
// expect: finally
// expect: after outer

// case: an unhandled raise of a string leaves the run with its text
begin
  raise 'stopped here';
end;
// expect error: stopped here

// case: a raised null says that the value was empty
begin
  raise null;
end;
// expect error: Exception raised with an empty value

// case: a block left by break no longer catches a later error
var i;
begin
  for i := 1 to 3 do
    try
      if i = 2 then break;
    except
      Print('handler', i, exception);
    end;
  Fail('late');
end;
// expect error: late

// case: exit inside a protected block runs the finally part and ends the run normally
begin
  try
    Print('in');
    exit;
  finally
    Print('finally');
  end;
  Print('not reached');
end;
// expect: in
// expect: finally

// case: running out of memory is an error the script can handle
begin
  try
    NoMemory;
  except
    Print('handler', exception);
  end;
  Print('after');
end;
// expect: handler Out of memory
// expect: after

// case: running out of memory that no block handles ends the run with its message
begin
  Evaluate('NoMemory');
end;
// expect error: Out of memory
