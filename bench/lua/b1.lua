-- B1: one million passes of one addition. Script values live in globals,
-- as ZEP variables do. Prints: B1 US_PER_PASS ok|FAIL passes=P best_ms=T
local best_of = dofile((arg[0]:match("(.*/)") or "./") .. "harness.lua")
local passes = 1000000

local function run()
  x = 0
  for _ = 1, 1000000 do
    x = x + 1
  end
end

best_of("B1", passes, run, function()
  if x ~= 1000000 then return string.format("x=%s (want 1000000)", tostring(x)) end
end)
