-- B5: a TIMER pass moving 200 sprites kept in a table of rows {x, y, dx,
-- dy}, each bounced off the edges with if; 1,000 passes after one set-up.
-- Script values live in globals and every element is read from the table,
-- as the ZEP script does.
-- Prints: B5 US_PER_PASS ok|FAIL passes=P best_ms=T
local best_of = dofile((arg[0]:match("(.*/)") or "./") .. "harness.lua")
local passes = 200 * 1000  -- sprite moves

local function setup()
  s = {}
  for r = 0, 199 do s[r] = {r * 3, r * 2, r % 7 + 1, r % 5 + 1} end
end

function TIMER()
  i = 0
  for _ = 1, 200 do
    x = s[i][1] + s[i][3]
    y = s[i][2] + s[i][4]
    if x < 0 then x = 0; s[i][3] = -s[i][3] end
    if x > 630 then x = 630; s[i][3] = -s[i][3] end
    if y < 0 then y = 0; s[i][4] = -s[i][4] end
    if y > 470 then y = 470; s[i][4] = -s[i][4] end
    s[i][1] = x
    s[i][2] = y
    i = i + 1
  end
end

local function run()
  for _ = 1, 1000 do TIMER() end
end

best_of("B5", passes, run, function()
  local sums = {0, 0, 0, 0}
  for r = 0, 199 do
    for c = 1, 4 do sums[c] = sums[c] + s[r][c] end
  end
  if sums[1] ~= 57388 or sums[2] ~= 65674 or sums[3] ~= -166 or sums[4] ~= 224 then
    return string.format("sums %d %d %d %d (want 57388 65674 -166 224)", sums[1], sums[2],
                         sums[3], sums[4])
  end
end, setup)
