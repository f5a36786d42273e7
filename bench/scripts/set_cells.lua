-- Writing N cells, ten to a row, into a table of rows.
local rows = {}
for i = 0, @N@ - 1 do
  local r = i // 10 + 1
  local row = rows[r]
  if not row then row = {}; rows[r] = row end
  row[i % 10 + 1] = 'x'
end
