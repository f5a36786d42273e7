var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Describe(255, -32768, 65535, -2147483647, 65535 * 65537, -50000 * 100000, 50000 * 100000, 1, 2.5, 7, '/a/b', 'a{sv}'));
end;

