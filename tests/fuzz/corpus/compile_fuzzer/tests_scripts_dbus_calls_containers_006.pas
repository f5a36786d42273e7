var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print(t.Reverse('abc'), t.Reverse(VarArrayOf(97, 98)), '[' + t.Reverse('') + ']');
end;

