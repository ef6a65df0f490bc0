-- The timing loop shared by the Lua benchmarks: runs `run` reps times
-- (after `prepare`, untimed, when given), checks the results after every
-- run, and prints NAME US_PER_PASS ok passes=P best_ms=T for the best run.
-- `check` gives nil when the results are right, else what is wrong; a wrong
-- result prints NAME nan FAIL ... and exits with 1.
return function(name, passes, run, check, prepare)
  local reps = tonumber(arg[1]) or 5
  local best
  for _ = 1, reps do
    if prepare then prepare() end
    local start = os.clock()
    run()
    local seconds = os.clock() - start
    local wrong = check()
    if wrong then
      print(string.format("%s nan FAIL passes=%d %s", name, passes, wrong))
      os.exit(1)
    end
    if not best or seconds < best then best = seconds end
  end
  print(string.format("%s %.4f ok passes=%d best_ms=%.3f", name, best * 1e6 / passes, passes,
                      best * 1e3))
end
