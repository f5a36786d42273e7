begin
  Self := 1;
end;

