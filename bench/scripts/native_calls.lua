-- N calls of a native (C) function with two arguments.
local max = math.max
local c
for i = 1, @N@ do c = max(1, 1) end
