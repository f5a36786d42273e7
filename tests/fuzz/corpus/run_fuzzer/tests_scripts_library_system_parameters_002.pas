var message;
begin
  try
    GetActiveOleObject('Word.Application');
  except
    message := exception;
  end;
  Print(message);
  CreateOleObject('Excel.Application');
end;

