(* One job of many: fetches the page at the address given after the script's name (a web
  address, or the path of a local page), saves its table as tables/NAME.csv with NAME made from
  the address, and writes one line on standard output. Fails, with status 1 and the reason on
  standard error, when the page could not be fetched or holds nothing, so that GNU parallel,
  Slurm or a shell loop sees which pages failed.

     parallel -j 8 zendrik job.pas {} :::: list.txt     every address of list.txt, 8 at once *)
var address, name, rows;
begin
  if ParamCount < 2 then raise 'usage: zendrik job.pas ADDRESS';
  address := ParamStr(2);
  if AnsiPos('://', address) = 0 then address := 'file://' + ExpandFileName(address);
  Download(address, '');
  if GetCell(1, 1) = '' then raise 'nothing to extract at ' + address;

  name := ParamStr(2);
  name := StringReplace(name, 'https://', '');
  name := StringReplace(name, 'http://', '');
  name := StringReplace(name, 'file://', '');
  name := StringReplace(name, '/', '_');
  name := StringReplace(name, ':', '_');
  name := StringReplace(name, '?', '_');
  name := StringReplace(name, '&', '_');
  name := StringReplace(name, '=', '_');
  CreateDir('tables');  { false when it exists already, or when another job made it first }
  SaveTable('tables/' + name + '.csv');

  rows := 0;
  while GetCell(1, rows + 1) <> '' do rows := rows + 1;
  writeln(ParamStr(2), ': ', rows, ' rows -> tables/', name, '.csv');
end;
