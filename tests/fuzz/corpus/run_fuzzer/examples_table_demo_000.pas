{ Builds a small price list by hand, adds up its prices, notes the one that is not a number,
  saves the table as table_demo.csv in the current directory and says so. Run it with
  "zendrik examples/table_demo.pas", or from the window's editor. }
var row, total;
begin
  ClearCells;
  SetCell(1, 1, 'Item');
  SetCell(2, 1, 'Price');
  SetCell(1, 2, 'Apples');
  SetCell(2, 2, '3');
  SetCell(1, 3, 'Pears');
  SetCell(2, 3, 'ask');
  SetCell(1, 4, 'Plums');
  SetCell(2, 4, '4.5');
  total := 0;
  row := 2;
  while GetCell(1, row) <> '' do
  begin
    try
      total := total + GetCell(2, row);
    except
      SetCell(3, row, 'not a number: ' + exception);
    end;
    row := row + 1;
  end;
  SetCell(1, row, 'Total');
  SetCell(2, row, total);
  SaveTable('table_demo.csv');
  writeln('saved table_demo.csv: ', row, ' rows, total ', total);
end;
