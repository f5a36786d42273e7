var s;
begin
  s := AdjustLineBreaks('a'#13'b'#10'c'#10#13'd'#13#10'e');
  Print(StringReplace(StringReplace(s, #13, '<CR>'), #10, '<LF>'));
end;

