// The interpreter benchmarks. Each script of the folder given on the command
// line is loaded as a run loads it (compaction, variable store, CREATE) and
// its MAIN section is run; the run is timed, repeated, and the best time is
// divided by the number of passes the script makes. After every run the
// result variables are checked, so an interpreter that skips work fails.
//
//   zep_bench SCRIPT_FOLDER [--reps N] [B1 B2 ...]
//
// Prints one line per benchmark:
//   NAME US_PER_PASS ok|FAIL passes=P best_ms=T [what went wrong]
// and exits with 1 when any check fails (2 on a usage or file error).
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/null_host.h"
#include "core/commands.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/host.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_parts.h"
#include "core/variables.h"

namespace {

using zep::error_code;

// The first cell of a variable, or NaN when the script never created it.
double Var(const char* name) {
  int i = zep::FindVariable(name, std::strlen(name));
  return i < 0 ? NAN : zep::VariableCells(i)[0];
}

// Appends "name=value (want w)" to *why and gives false when value != want.
bool Expect(const char* name, double want, std::string* why) {
  double got = Var(name);
  if (got == want) return true;
  char line[160];
  std::snprintf(line, sizeof line, "%s=%.17g (want %.17g) ", name, got, want);
  *why += line;
  return false;
}

bool CheckB1(std::string* why) { return Expect("x", 1000000, why); }

bool CheckB2(std::string* why) {
  // One round: sum over y, x < 200 of y + x + k = 7,960,000 + 40,000 k.
  // Every partial sum is an integer that a 32-bit float holds exactly.
  double last = 0, total = 0;
  for (int k = 0; k < 10; ++k) {
    last = 7960000.0 + 40000.0 * k;
    total += last;
  }
  bool ok = Expect("k", 10, why);
  ok = Expect("s", last, why) && ok;
  ok = Expect("t", total, why) && ok;
  return ok;
}

bool CheckB3(std::string* why) {
  bool ok = Expect("i", 200000, why);
  // The last pass had i = 199999. The script works in 32-bit floats, so the
  // value is compared with the double result within a float's precision.
  const double kDegree = 3.14159265358979323846 / 180.0;
  double i = 199999;
  double want = std::sin(i * kDegree) * std::cos(i * kDegree) + std::sqrt(i);
  double got = Var("y");
  if (!(std::fabs(got - want) <= 1e-3)) {
    char line[160];
    std::snprintf(line, sizeof line, "y=%.9g (want %.9g within 1e-3) ", got, want);
    *why += line;
    ok = false;
  }
  return ok;
}

bool CheckB4(std::string* why) { return Expect("n", 200000, why); }

struct Benchmark {
  const char* name;
  const char* file;
  long passes;  // units of work of one run of MAIN
  bool (*check)(std::string* why);
};

const Benchmark kBenchmarks[] = {
    {"B1", "b1.zep", 1000000, CheckB1},             // loop iterations
    {"B2", "b2.zep", 2L * 10 * 200 * 200, CheckB2},  // array cells written or read
    {"B3", "b3.zep", 200000, CheckB3},              // loop iterations
    {"B4", "b4.zep", 200000, CheckB4},              // section calls
};

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Loads the script afresh and runs MAIN once; gives the seconds MAIN took,
// or a negative value after a load or run error (described in *why).
double RunOnce(const std::string& script, std::string* why) {
  zep::error_code = 0;
  if (!zep::SetProgramText(script.data(), script.size())) {
    *why += "out of memory ";
    return -1;
  }
  zep::LoadProgram();
  if (error_code != 0) {
    *why += "load error " + std::to_string(error_code) + " ";
    return -1;
  }
  auto start = std::chrono::steady_clock::now();
  zep::RunSection(reinterpret_cast<zep::WindowRef>(1), "MAIN");
  auto stop = std::chrono::steady_clock::now();
  if (error_code != 0) {
    *why += "run error " + std::to_string(error_code) + " ";
    return -1;
  }
  return std::chrono::duration<double>(stop - start).count();
}

bool Selected(const std::vector<std::string>& names, const char* name) {
  if (names.empty()) return true;
  for (const std::string& n : names) {
    if (n == name) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder;
  int reps = 5;
  std::vector<std::string> names;
  for (int a = 1; a < argc; ++a) {
    if (std::strcmp(argv[a], "--reps") == 0 && a + 1 < argc) {
      reps = std::atoi(argv[++a]);
    } else if (folder.empty()) {
      folder = argv[a];
    } else {
      names.push_back(argv[a]);
    }
  }
  if (folder.empty() || reps < 1) {
    std::fprintf(stderr, "usage: %s SCRIPT_FOLDER [--reps N] [B1 B2 ...]\n", argv[0]);
    return 2;
  }

  // The benchmarks use the language alone: the core's commands and run part.
  zep::NullHost null_host;
  zep::host = &null_host;
  const zep::CommandList* const lists[] = {&zep::core_commands};
  zep::InstallCommandLists(lists, 1);
  const zep::RunPart* const parts[] = {&zep::core_run_part};
  zep::InstallRunParts(parts, 1);

  bool all_ok = true;
  for (const Benchmark& b : kBenchmarks) {
    if (!Selected(names, b.name)) continue;
    std::string script;
    std::string path = folder + "/" + b.file;
    if (!ReadFile(path, &script)) {
      std::fprintf(stderr, "cannot read %s\n", path.c_str());
      return 2;
    }
    double best = -1;
    std::string why;
    null_host.messages_shown = 0;
    bool ok = true;
    for (int r = 0; r < reps && ok; ++r) {
      double seconds = RunOnce(script, &why);
      ok = seconds >= 0 && b.check(&why);
      if (ok && (best < 0 || seconds < best)) best = seconds;
    }
    zep::FreeRunParts(nullptr);
    if (null_host.messages_shown != 0) {
      why += "an error box was shown ";
      ok = false;
    }
    all_ok = all_ok && ok;
    if (ok) {
      std::printf("%s %.4f ok passes=%ld best_ms=%.3f\n", b.name, best * 1e6 / b.passes,
                  b.passes, best * 1e3);
    } else {
      std::printf("%s nan FAIL passes=%ld %s\n", b.name, b.passes, why.c_str());
    }
    std::fflush(stdout);
  }
  zep::host = nullptr;
  return all_ok ? 0 : 1;
}
