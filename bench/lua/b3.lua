-- B3: 200,000 passes of sin, cos (degrees) and sqrt, with global variables.
-- Prints: B3 US_PER_PASS ok|FAIL passes=P best_ms=T
local best_of = dofile((arg[0]:match("(.*/)") or "./") .. "harness.lua")
local passes = 200000
local degree = math.pi / 180

local function run()
  i = 0
  y = 0
  for _ = 1, 200000 do
    y = math.sin(i * degree) * math.cos(i * degree) + math.sqrt(i)
    i = i + 1
  end
end

local last = 199999
local want_y = math.sin(last * degree) * math.cos(last * degree) + math.sqrt(last)

best_of("B3", passes, run, function()
  if i ~= 200000 or math.abs(y - want_y) > 1e-9 then
    return string.format("i=%s y=%.17g (want 200000 %.17g)", tostring(i), y, want_y)
  end
end)
