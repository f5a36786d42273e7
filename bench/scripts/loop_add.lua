-- A for loop adding to a variable N times.
local x = 0
for i = 1, @N@ do x = x + 1 end
