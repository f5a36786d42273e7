begin
  CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Other').Add(1, 2);
end;

