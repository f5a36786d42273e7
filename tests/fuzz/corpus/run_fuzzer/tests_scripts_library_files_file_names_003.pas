begin
  Print(IncludeTrailingBackslash('/a'), IncludeTrailingBackslash('/a/'), ExcludeTrailingBackslash('/a/'), '[' + ExcludeTrailingBackslash('/') + ']');
  Print(IsPathDelimiter('/a', 1), IsPathDelimiter('\a', 1), IsPathDelimiter('/a', 2), IsPathDelimiter('/a', 3));
end;

