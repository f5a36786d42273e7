begin
  Print(RegExFind('Grüße aus Köln', 'K.ln', 0), RegExMatch('Gr'#252'n', '^Gr.n$'), Length(RegExFind('Gr'#252'n', '^Gr(.)n$', 1)));
  Print(RegExReplace('Grüße', 'ü', 'ue'), Length(RegExReplace('Gr'#252'n', #252, 'ue')), RegExFind('€ 5', '^.', 0) = '€');
end;

