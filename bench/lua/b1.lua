-- B1: one million passes of one addition. Script values live in globals,
-- as ZEP variables do. Prints: B1 US_PER_PASS ok|FAIL passes=P best_ms=T
local reps = tonumber(arg[1]) or 5
local passes = 1000000

local function run()
  x = 0
  for _ = 1, 1000000 do
    x = x + 1
  end
end

local best
for _ = 1, reps do
  local start = os.clock()
  run()
  local seconds = os.clock() - start
  if x ~= 1000000 then
    print(string.format("B1 nan FAIL passes=%d x=%s (want 1000000)", passes, tostring(x)))
    os.exit(1)
  end
  if not best or seconds < best then best = seconds end
end
print(string.format("B1 %.4f ok passes=%d best_ms=%.3f", best * 1e6 / passes, passes, best * 1e3))
