// case: a search reports the ordinary files in the order of their names
var F, code, names;
begin
  names := '';
  code := FindFirst('*', 0, @F);
  while code = 0 do
  begin
    names := names + F.Name + ' ';
    code := FindNext(@F);
  end;
  FindClose(@F);
  Print(names, code <> 0, VarToStrEx(F));
end;
// expect: a.txt b.pas  True nil object

// case: directories and hidden files are reported only when their bits are asked for
var F, code, names;
begin
  names := '';
  code := FindFirst('*', faDirectory + faHidden, @F);
  while code = 0 do
  begin
    names := names + F.Name + '(' + IntToStr(F.Attr) + ') ';
    code := FindNext(@F);
  end;
  FindClose(@F);
  Print(names);
end;
// expect: .(48) ..(48) .hidden(34) a.txt(32) b.pas(32) sub(48) 

// case: wildcards, a directory part, the size and the time of an entry
var F;
begin
  Print(FindFirst('sub/?.txt', faAnyFile, @F), F.Name, F.Size, F.Time = FileAge('sub/c.txt'));
  FindClose(@F);
  Print(FindFirst('*.*', 0, @F), F.Name, F.Size);
  FindClose(@F);
end;
// expect: 0 c.txt 1 True
// expect: 0 a.txt 5

// case: a pattern that matches nothing leaves a nil object, which FindClose accepts
var F;
begin
  F := 'old';
  Print(FindFirst('*.zzz', faAnyFile, @F) <> 0, VarToStrEx(F));
  FindClose(@F);
  Print(VarToStrEx(F));
  Print(FindFirst('missing/*', faAnyFile, @F) = 2);
end;
// expect: True nil object
// expect: nil object
// expect: True

// case: FindNext on a variable without a search fails with an engine error
var F;
begin
  FindFirst('*.zzz', 0, @F);
  FindNext(@F);
end;
// expect error: FindNext: the variable holds no search (a nil object)

// case: FindNext on a variable that holds no object fails
var F;
begin
  F := 5;
  FindNext(@F);
end;
// expect error: Variant is not an object

// case: FindFirst with a value where a variable reference belongs fails before searching
var F;
begin
  FindFirst('*', 0, F);
end;
// expect error: Variable reference expected

// case: FindClose will not destroy an object that is not a search
var F;
begin
  F := Self;
  FindClose(@F);
end;
// expect error: FindClose: the variable holds a TTestHost, not a search

// case: the search object's properties are read-only
var F;
begin
  FindFirst('a.txt', 0, @F);
  F.Name := 'x';
end;
// expect error: Unable to invoke method or property Name in this manner

// case: Free ends a search as FindClose does
var F;
begin
  Print(FindFirst('*.txt', 0, @F), F.Name);
  F.Free;
  Print(F.Name);
end;
// expect: 0 a.txt
// expect error: Error accessing a field or method Name of nil object

// case: FindFirst into a variable that holds a search ends the old one; a copy keeps a search alive
var f, g, names;
begin
  FindFirst('*.txt', 0, @f);
  g := f;
  FindFirst('*.pas', 0, @f);
  names := f.Name + ' ' + g.Name;
  FindFirst('*.pas', 0, @f);
  Print(names, FindNext(@g), FindNext(@f));
  FindClose(@g);
  FindClose(@f);
end;
// expect: b.pas a.txt 2 2
