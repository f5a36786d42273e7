begin
  Sleep(0);
  Sleep(-5);
  Sleep(20);
  Print('slept');
end;
