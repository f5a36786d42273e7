begin
  CreateOleObject('org.zendrik.Missing');
end;

