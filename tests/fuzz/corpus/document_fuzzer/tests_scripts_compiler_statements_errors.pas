// case: break outside any loop
begin
  break
end;
// expect error 1015: Error compiling . Label not found: BREAK0 at line 4, pos 2

// case: continue outside any loop
begin
  while a do ;
  continue
end;
// expect error 1015: Error compiling . Label not found: CONTINUE0 at line 5, pos 2

// case: goto to a missing label
procedure Calc;
begin
  goto L
end;
// expect error 1015: Error compiling Calc. Label not found: L at line 5, pos 2

// case: labels differing in case
begin
  L: ;
  l: ;
end;
// expect error 1008: Error compiling . Label redeclared: L at line 3, pos 5

// case: assignment to a constant
const C = 1;
begin
  C := 2
end;
// expect error 1016: Error compiling . Variable not found or cannot be assigned to: C at line 4, pos 1

// case: indexed store into a constant
const C = 1;
begin
  C[1] := 2
end;
// expect error 1016: Error compiling . Variable not found or cannot be assigned to: C at line 4, pos 1

// case: address of a constant
const C = 1;
begin
  a := @C
end;
// expect error 1016: Error compiling . Variable not found or cannot be assigned to: C at line 4, pos 1

// case: address of an unknown name
begin
  a := @b
end;
// expect error 1016: Error compiling . Variable not found or cannot be assigned to: b at line 3, pos 1

// case: for over a name that is not a local
procedure P(var v);
begin
  for v := 1 to 2 do
end;
// expect error 1014: Error compiling P. Loop variable must be a local variable or an input parameter: v at line 3, pos 9

// case: for without to
var k;
begin
  for k := 1 do
end;
// expect error 1013: Error compiling . To or downto keywords expected at line 3, pos 14

// case: call with empty parentheses
begin
  f()
end;
// expect error 1002: Error compiling . Syntax Error: ) at line 2, pos 6

// case: assignment inside a condition
begin
  if x := 1 then
end;
// expect error 1010: Error compiling . Assignment in expressions is not supported: x at line 2, pos 8

// case: assignment to a call
begin
  f(1) := 2
end;
// expect error 1009: Error compiling . Assignable expression expected to the left of ':=': f at line 2, pos 8

// case: raise without a value
begin
  raise;
end;
// expect error 1002: Error compiling . Syntax Error: ; at line 2, pos 9

// case: empty then part before else
begin
  if a then Else b
end;
// expect error 1002: Error compiling . Syntax Error: Else at line 2, pos 13

// case: semicolon before else
begin
  if a then b; else c
end;
// expect error 1002: Error compiling . Syntax Error: else at line 2, pos 16

// case: exit takes no argument
begin
  exit(1)
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 8

// case: try without finally or except
begin
  try a end
end;
// expect error 1002: Error compiling . Syntax Error: end at line 2, pos 9

// case: identifier followed by a wrong token
begin
  a b
end;
// expect error 1002: Error compiling . Syntax Error: a at line 2, pos 5

// case: underscore alone ends the text
begin
  _
end;
// expect error 1002: Error compiling . Syntax Error: _ at line 2, pos 1

// case: missing then
begin
  if a b
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 8

// case: control character outside strings
begin
  a := 1 
end;
// expect error 1002: Error compiling . Syntax Error at line 2, pos 10
