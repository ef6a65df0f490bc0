-- B6: a function drawing 500 figures, boxes and circles in turn, at
-- coordinates computed from the figure's number, run 20 times. The drawing
-- functions record as the benchmark's canvas does: a count and a checksum.
-- Prints: B6 US_PER_PASS ok|FAIL passes=P best_ms=T
local best_of = dofile((arg[0]:match("(.*/)") or "./") .. "harness.lua")
local passes = 500 * 20  -- figures

local figures, checksum = 0, 0
local function record(l, t, r, b)
  figures = figures + 1
  checksum = checksum + l + 2 * t + 3 * r + 5 * b
end
function Box(l, t, r, b, outline, inside) record(l, t, r, b) end
function Circle(l, t, r, b, outline, inside) record(l, t, r, b) end

function DRAW()
  i = 0
  for _ = 1, 500 do
    x = (i * 37) % 600
    y = (i * 53) % 440
    if i % 2 == 0 then Box(x, y, x + 20 + i % 17, y + 15 + i % 13, i % 16, (i + 3) % 16) end
    if i % 2 == 1 then Circle(x, y, x + 12 + i % 9, y + 12 + i % 7, i % 16, -1) end
    i = i + 1
  end
end

local function run()
  for _ = 1, 20 do DRAW() end
end

best_of("B6", passes, run, function()
  if figures ~= 10000 or checksum ~= 20 * 1441267 then
    return string.format("figures=%d checksum=%d (want 10000 %d)", figures, checksum, 20 * 1441267)
  end
end, function() figures, checksum = 0, 0 end)
