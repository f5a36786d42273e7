begin
  CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Missing');
end;

