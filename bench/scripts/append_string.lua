-- Appending one character to a string N times. Lua strings cannot grow in place (s = s .. 'x'
-- copies the whole string every time), so the idiom is a buffer of pieces joined once.
local parts = {}
for i = 1, @N@ do parts[#parts + 1] = 'x' end
local s = table.concat(parts)
