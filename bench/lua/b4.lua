-- B4: 200,000 calls of a global function that does one assignment to a
-- global, as call("S") runs a section. Prints: B4 US_PER_PASS ok|FAIL ...
local reps = tonumber(arg[1]) or 5
local passes = 200000

function S()
  n = n + 1
end

local function run()
  n = 0
  for _ = 1, 200000 do
    S()
  end
end

local best
for _ = 1, reps do
  local start = os.clock()
  run()
  local seconds = os.clock() - start
  if n ~= 200000 then
    print(string.format("B4 nan FAIL passes=%d n=%s (want 200000)", passes, tostring(n)))
    os.exit(1)
  end
  if not best or seconds < best then best = seconds end
end
print(string.format("B4 %.4f ok passes=%d best_ms=%.3f", best * 1e6 / passes, passes, best * 1e3))
