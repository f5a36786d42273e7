begin
  CreateOleObject('org.zendrik.Test').Nope;
end;

