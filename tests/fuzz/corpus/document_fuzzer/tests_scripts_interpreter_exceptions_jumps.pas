// case: continue out of a finally block, many times, runs the finally part each time
var i, n;
begin
  n := 0;
  for i := 1 to 1200 do begin
    try
      if i mod 2 = 0 then continue;
    finally
      n := n + 1;
    end;
  end;
  Print(n);
end;
// expect: 1200

// case: break and goto out of blocks in long loops leave nothing behind
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
// expect: 3000
// expect error: after the loops

// case: a block left by break catches nothing afterwards, and nothing runs twice
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
// expect: after
// expect error: Division by zero

// case: break out of an except part ends the handled exception
var i;
begin
  for i := 1 to 3 do
    try
      raise 'bad row';
    except
      break;
    end;
  try
    Print('clean');
  finally
    Print('finally');
  end;
  Print('exception', exception);
end;
// expect: clean
// expect: finally
// expect: exception Unassigned

// case: a clean finally block inside an except part goes on after it
begin
  try
    raise 'outer';
  except
    try
      Print('a');
    finally
      Print('b');
    end;
    Print('c');
  end;
end;
// expect: a
// expect: b
// expect: c

// case: exit out of a finally block runs the finally part
procedure P;
begin
  try
    Print('body');
    exit;
  finally
    Print('finally');
  end;
  Print('not reached');
end;
// expect: body
// expect: finally

// case: exit out of nested blocks runs every finally part, innermost first
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
// expect: inner finally
// expect: outer finally
// expect value: 5

// case: exit out of an except part returns the result and clears the exception
function F(a);
begin
  try
    raise 41;
  except
    result := exception + 1;
    exit;
  end;
  result := 0;
end;
// expect value: 42

// case: each handler sees its own exception and the outer one comes back
begin
  try
    try
      raise 'outer';
    except
      try
        raise 'inner';
      except
        Print('inner handler', exception);
      end;
      Print('outer handler', exception);
      raise exception;
    end;
  except
    Print('caught again', exception);
  end;
  Print('at the end', exception);
end;
// expect: inner handler inner
// expect: outer handler outer
// expect: caught again outer
// expect: at the end Unassigned

// case: an error that leaves a handler reaches the enclosing handler with its own value
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
// expect: handler second
// expect: after Unassigned

// case: a finally part reached by an error and left by break drops the error
var i;
begin
  for i := 1 to 3 do
    try
      raise 'dropped';
    finally
      Print('finally', i, exception);
      break;
    end;
  Print('after', exception);
end;
// expect: finally 1 dropped
// expect: after Unassigned

// case: a finally part run by a jump can raise, and the enclosing handler gets that error
var i;
begin
  try
    for i := 1 to 3 do
      try
        break;
      finally
        raise 'from finally';
      end;
  except
    Print('handler', exception);
  end;
end;
// expect: handler from finally

// case: continue through an except block and a finally block runs the finally part once
var i;
begin
  for i := 1 to 2 do
    try
      try
        Print('body', i);
        continue;
      except
        Print('never');
      end;
      Print('never');
    finally
      Print('finally', i);
    end;
  Print('done');
end;
// expect: body 1
// expect: finally 1
// expect: body 2
// expect: finally 2
// expect: done

// case: goto within a finally part stays inside each of its copies
var i, n;
begin
  n := 0;
  try
    for i := 1 to 3 do
      try
        if i = 3 then raise 'x';
        if i = 1 then continue;
      finally
        goto skip;
        n := n + 100;
        skip: n := n + 1;
      end;
  except
    Print(n, exception);
  end;
end;
// expect: 3 x

// case: a finally part raises again the error of its own block, even an empty one
var x;
begin
  try
    try
      raise x;
    finally
      Print('finally');
    end;
  except
    Print('caught', exception);
  end;
end;
// expect: finally
// expect: caught Unassigned

// case: a raised reference raises the value of its variable
var s;
begin
  s := 'text';
  try
    raise @s;
  except
    Print(exception);
  end;
  s := '';
  raise @s;
end;
// expect: text
// expect error: Exception raised with an empty value

// case: repeat and while loops left by break from blocks in their bodies
var i, n;
begin
  i := 0;
  n := 0;
  repeat
    i := i + 1;
    try
      if i = 500 then break;
    finally
      n := n + 1;
    end;
  until false;
  while true do
    try
      break;
    except
    end;
  Print(i, n);
end;
// expect: 500 500
