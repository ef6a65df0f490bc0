-- B3: 200,000 passes of sin, cos (degrees) and sqrt, with global variables.
-- Prints: B3 US_PER_PASS ok|FAIL passes=P best_ms=T
local reps = tonumber(arg[1]) or 5
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

local best
for _ = 1, reps do
  local start = os.clock()
  run()
  local seconds = os.clock() - start
  if i ~= 200000 or math.abs(y - want_y) > 1e-9 then
    print(string.format("B3 nan FAIL passes=%d i=%s y=%.17g (want 200000 %.17g)", passes,
                        tostring(i), y, want_y))
    os.exit(1)
  end
  if not best or seconds < best then best = seconds end
end
print(string.format("B3 %.4f ok passes=%d best_ms=%.3f", best * 1e6 / passes, passes, best * 1e3))
