var texts, i;
begin
  texts := VarArrayOf('5/3/-2024', '-5/3/2024', '5//3/2024', '/5/3/2024', '5/3/2024//');
  for i := 0 to 4 do
    try
      StrToDate(texts[i]);
      Print('accepted ' + texts[i]);
    except
      Print(exception);
    end;
  Print(StrToDate('5/3/2024/') = StrToDate('5 Mar 2024'));
end;
