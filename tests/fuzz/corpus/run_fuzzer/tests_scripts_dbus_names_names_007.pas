begin
  CreateOleObject('Excel.Application 2');
end;
