// case: an evaluated expression reads the script's variables
var a;
begin
  a := 5;
  Print(Evaluate('a * 2 + 1'));
end;
// expect: 11

// case: an evaluated expression reaches the host
begin
  Caption := 'host';
  Print(Evaluate('Caption + ''!'''));
end;
// expect: host!

// case: evaluated expressions nest
var a;
begin
  a := 2;
  Print(Evaluate('Evaluate(''a + 1'') * 10'));
end;
// expect: 30

// case: an error inside Evaluate is caught by the calling script
begin
  try
    Evaluate('1 div 0');
  except
    Print('caught', exception);
  end;
  Print(Evaluate('1 + 1'));
end;
// expect: caught Division by zero
// expect: 2

// case: a text that does not compile
begin
  Evaluate('1 +');
end;
// expect error: Error compiling . Syntax Error at line 1, pos 5

// case: Evaluate of itself stops at the nesting limit with an error the script can handle
var s;
begin
  s := 'Evaluate(s)';
  try
    Evaluate(s);
  except
    Print('caught', exception);
  end;
  Print(Evaluate('1 + 1'));
end;
// expect: caught Stack overflow
// expect: 2
