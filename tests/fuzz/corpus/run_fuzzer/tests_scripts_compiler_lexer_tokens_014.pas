begin
  (* abc
end;

