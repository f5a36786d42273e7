var message;
begin
  try
    CreateOleObject('org.zendrik.Test').Hello;
  except
    message := exception;
  end;
  Print(message);
  Print(CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Other').hello);
  Print(CreateOleObject('org.zendrik.Test:/org/zendrik/Test:org.zendrik.Test').Hello);
end;

