begin
  a := #$0d
end;

