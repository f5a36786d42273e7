begin
  writeln;
end;

