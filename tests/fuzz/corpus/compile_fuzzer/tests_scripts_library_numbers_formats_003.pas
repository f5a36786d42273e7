begin
  Format('%d', 'x');
end;

