var s;
begin
  s := QuotedStr('it''s');
  Print(s, Length(s) - Length('it''s'));
end;

