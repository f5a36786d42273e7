begin
  CreateComObject('{00000000-0000-0000-C000-000000000046}');
end;
