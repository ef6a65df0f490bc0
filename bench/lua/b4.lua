-- B4: 200,000 calls of a global function that does one assignment to a
-- global, as call("S") runs a section. Prints: B4 US_PER_PASS ok|FAIL ...
local best_of = dofile((arg[0]:match("(.*/)") or "./") .. "harness.lua")
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

best_of("B4", passes, run, function()
  if n ~= 200000 then return string.format("n=%s (want 200000)", tostring(n)) end
end)
