begin
  try finally end;
  try except end
end;
//    0  0  BEGIN 0 of 0
//    1  2  TRY 4
//    2  2  END TRY
//    3  2  JUMP 5
//    4  2  RAISE (Exception)
//    5  3  TRY 8
//    6  3  END TRY
//    7  3  JUMP 9
//    8  4  CLEAR Exception
//    9  4  EXIT

