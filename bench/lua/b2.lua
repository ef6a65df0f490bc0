-- B2: ten rounds of filling a 200 x 200 array and summing it. Round k
-- (0..9) stores y + x + k in a[y][x]; s is the sum of the last round, t the
-- sum of all rounds. The loop counters are globals, as in the ZEP script.
-- Prints: B2 US_PER_PASS ok|FAIL passes=P best_ms=T
local best_of = dofile((arg[0]:match("(.*/)") or "./") .. "harness.lua")
local passes = 2 * 10 * 200 * 200  -- array cells written or read

-- The array, like Data("a",200,200), is made before the timed part.
local function make_array()
  a = {}
  for r = 0, 199 do
    local row = {}
    for c = 0, 199 do row[c] = 0 end
    a[r] = row
  end
end

local function run()
  k = 0
  t = 0
  for _ = 1, 10 do
    y = 0
    for _ = 1, 200 do
      x = 0
      for _ = 1, 200 do
        a[y][x] = y + x + k
        x = x + 1
      end
      y = y + 1
    end
    s = 0
    y = 0
    for _ = 1, 200 do
      x = 0
      for _ = 1, 200 do
        s = s + a[y][x]
        x = x + 1
      end
      y = y + 1
    end
    t = t + s
    k = k + 1
  end
end

local want_s = 7960000 + 40000 * 9
local want_t = 0
for r = 0, 9 do want_t = want_t + 7960000 + 40000 * r end

best_of("B2", passes, run, function()
  if k ~= 10 or s ~= want_s or t ~= want_t then
    return string.format("k=%s s=%s t=%s (want 10 %d %d)", tostring(k), tostring(s), tostring(t),
                         want_s, want_t)
  end
end, make_array)
