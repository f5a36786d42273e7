var t;
begin
  t := CreateOleObject('org.zendrik.Test');
  Print('[' + t.Join(Null, '-') + ']', t.Lookup(Null, 'k'), '[' + t.Roster(Null) + ']');
end;

