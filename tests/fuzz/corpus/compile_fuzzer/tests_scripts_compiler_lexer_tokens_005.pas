begin
  { brace (* not a block }
  (* block ** ends here *) a := 1; // line comment
  (* { *) a := 2
end;
//    0  0  BEGIN 0 of 0
//    1  3  Result <- INT 1
//    2  3  Result -> PROP a (0 params)
//    3  4  Result <- INT 2
//    4  4  Result -> PROP a (0 params)
//    5  4  EXIT

