-- A while loop with mod, a comparison and an if, N iterations.
local i, n = 0, 0
while i < @N@ do
  if i % 3 == 0 then n = n + 1 end
  i = i + 1
end
