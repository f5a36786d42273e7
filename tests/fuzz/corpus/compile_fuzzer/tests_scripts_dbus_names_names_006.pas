begin
  CreateOleObject('org.zendrik.Test:/org/zendrik/Nothing');
end;

