// The interpreter benchmarks. Each script of the folder given on the command
// line is loaded as a run loads it (compaction, variable store, CREATE, the
// window's opening steps), its set-up section is run, then its timed
// section (MAIN, or TIMER or DRAW many times); the timed part is repeated,
// and the best time is divided by the number of passes the script makes.
// After every run the results are checked (variables, and the figures the
// recording canvas saw), so an interpreter that skips work fails.
//
//   zep_bench SCRIPT_FOLDER [--reps N] [--no-cache] [--cache-size]
//             [--statement-watch] [--section-watch] [B1 B2 ...]
//
// --no-cache runs every statement the old way, from the text; --cache-size
// prints the statement cache's size after each benchmark (and for any
// other script named with --size-of FILE SECTION).
//
// --statement-watch sets the core's statement hook (core/run_watch.h) to a
// function that does what the editor's debugger does before a statement
// when a breakpoint is set on some other line: it finds the statement's
// line and looks it up among the breakpoints (none is set here). Without
// it the hook stays null, as in a run with no breakpoint. --section-watch
// sets a section watcher that counts the section runs by name, as the
// debugger's event strip does for every run the editor starts. A run
// fails its check when the hook was never called (a build without the
// hooks) or the watcher saw no section run or a start without its end; the
// counts of the last run are printed after the figures.
//
// Prints one line per benchmark:
//   NAME US_PER_PASS ok|FAIL passes=P best_ms=T [what was watched] [what went wrong]
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

#include "bench/counting_canvas.h"
#include "bench/null_host.h"
#include "core/commands.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/host.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_parts.h"
#include "core/run_watch.h"
#include "core/statement_cache.h"
#include "core/variables.h"
#include "graphics/figures.h"
#include "graphics/packs.h"
#include "graphics/pictures.h"
#include "graphics/screen_state.h"
#include "graphics/screens.h"
#include "graphics/text_output.h"

namespace {

using zep::error_code;

zep::CountingCanvas counting_canvas;

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

// The sprites of B5 after 1,000 passes, moved here in doubles (every value
// is a small integer, which a 32-bit float holds exactly).
bool CheckB5(std::string* why) {
  double want[200][4];
  for (int i = 0; i < 200; ++i) {
    want[i][0] = i * 3, want[i][1] = i * 2, want[i][2] = i % 7 + 1, want[i][3] = i % 5 + 1;
  }
  for (int pass = 0; pass < 1000; ++pass) {
    for (double* s : want) {
      for (int axis = 0; axis < 2; ++axis) {
        double limit = axis == 0 ? 630 : 470, v = s[axis] + s[axis + 2];
        if (v < 0) v = 0, s[axis + 2] = -s[axis + 2];
        if (v > limit) v = limit, s[axis + 2] = -s[axis + 2];
        s[axis] = v;
      }
    }
  }
  int v = zep::FindVariable("s", 1);
  if (v < 0) return *why += "no array s ", false;
  const double* cells = zep::VariableCells(v);
  for (int c = 0; c < 800; ++c) {
    if (cells[c] != want[c / 4][c % 4]) {
      *why += "s(" + std::to_string(c / 4) + "," + std::to_string(c % 4) + ")=" +
              std::to_string(cells[c]) + " (want " + std::to_string(want[c / 4][c % 4]) + ") ";
      return false;
    }
  }
  return true;
}

// The figures of B6: 20 runs of 500, their corners as the script computes them.
bool CheckB6(std::string* why) {
  int64_t want = 0;
  for (int i = 0; i < 500; ++i) {
    int64_t x = (i * 37) % 600, y = (i * 53) % 440;
    int64_t r = x + (i % 2 == 0 ? 20 + i % 17 : 12 + i % 9);
    int64_t b = y + (i % 2 == 0 ? 15 + i % 13 : 12 + i % 7);
    want += x + 2 * y + 3 * r + 5 * b;
  }
  want *= 20;
  if (counting_canvas.figures == 10000 && counting_canvas.checksum == want &&
      counting_canvas.elsewhere == 0) {
    return true;
  }
  *why += "figures=" + std::to_string(counting_canvas.figures) +
          " checksum=" + std::to_string(counting_canvas.checksum) + " (want 10000 " +
          std::to_string(want) + ") front=" + std::to_string(counting_canvas.elsewhere) + " ";
  return false;
}

// The statement hook of --statement-watch: the debugger's work before a
// statement that has no breakpoint. The line of each byte of the compacted
// text is taken as the number of statement ends before it.
struct StatementWatch {
  std::vector<int32_t> line_of;
  std::vector<uint8_t> break_lines;
  long statements = 0;
  long at_breaks = 0;

  // Lines for the program text now loaded, and no breakpoint on any.
  void Load() {
    line_of.clear();
    int32_t line = 0;
    for (const char* p = zep::program_text; *p != '\0'; ++p) {
      line_of.push_back(line);
      if (*p == ';' || *p == '{' || *p == '}') ++line;
    }
    break_lines.assign(static_cast<size_t>(line) + 1, 0);
    statements = at_breaks = 0;
  }

  static void Hook(zep::WindowRef window, int pos, int call_depth);
};

StatementWatch watched_statements;

void StatementWatch::Hook(zep::WindowRef, int pos, int) {
  StatementWatch& w = watched_statements;
  ++w.statements;
  int32_t line = pos >= 0 && static_cast<size_t>(pos) < w.line_of.size() ? w.line_of[pos] : -1;
  if (line >= 0 && w.break_lines[static_cast<size_t>(line)] != 0) ++w.at_breaks;
}

// The section watcher of --section-watch: a count per section name.
class SectionCounts : public zep::RunWatch {
 public:
  struct Row {
    std::string name;
    long started = 0, ended = 0;
  };

  void SectionStarted(zep::WindowRef, const char* name, int) override { ++Find(name)->started; }
  void SectionEnded(zep::WindowRef, const char* name) override { ++Find(name)->ended; }
  void ErrorReported(zep::WindowRef, int) override { ++errors; }
  void RunEnding() override {}

  void Clear() { rows.clear(), errors = 0; }
  long Started() const {
    long n = 0;
    for (const Row& r : rows) n += r.started;
    return n;
  }
  bool Balanced() const {
    for (const Row& r : rows) {
      if (r.started != r.ended) return false;
    }
    return errors == 0;
  }

  std::vector<Row> rows;
  long errors = 0;

 private:
  Row* Find(const char* name) {
    for (Row& r : rows) {
      if (r.name == name) return &r;
    }
    rows.push_back(Row{name});
    return &rows.back();
  }
};

SectionCounts watched_sections;

struct Benchmark {
  const char* name;
  const char* file;
  const char* setup;    // a section run before the timing, or nullptr
  const char* section;  // the timed section
  int runs;             // how many times it runs
  long passes;          // units of work of the timed part
  bool (*check)(std::string* why);
};

const Benchmark kBenchmarks[] = {
    {"B1", "b1.zep", nullptr, "MAIN", 1, 1000000, CheckB1},             // loop iterations
    {"B2", "b2.zep", nullptr, "MAIN", 1, 2L * 10 * 200 * 200, CheckB2},  // cells written or read
    {"B3", "b3.zep", nullptr, "MAIN", 1, 200000, CheckB3},              // loop iterations
    {"B4", "b4.zep", nullptr, "MAIN", 1, 200000, CheckB4},              // section calls
    {"B5", "b5.zep", "SETUP", "TIMER", 1000, 200L * 1000, CheckB5},     // sprite moves
    {"B6", "b6.zep", nullptr, "DRAW", 20, 500L * 20, CheckB6},          // figures drawn
};

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

const zep::WindowRef kWindow = reinterpret_cast<zep::WindowRef>(1);

// Loads a script as a run does and opens its window; false after a load error.
bool Load(const std::string& script, std::string* why) {
  zep::FreeRunParts(kWindow);
  zep::error_code = 0;
  if (!zep::SetProgramText(script.data(), script.size())) {
    *why += "out of memory ";
    return false;
  }
  zep::LoadProgram();
  if (error_code != 0) {
    *why += "load error " + std::to_string(error_code) + " ";
    return false;
  }
  zep::OpenRunParts(kWindow);
  return true;
}

// Loads the script afresh, runs its set-up and then its timed part; gives
// the seconds the timed part took, or a negative value after a load or run
// error (described in *why).
double RunOnce(const Benchmark& b, const std::string& script, std::string* why) {
  counting_canvas.figures = counting_canvas.elsewhere = 0;
  counting_canvas.checksum = 0;
  if (!Load(script, why)) return -1;
  watched_statements.Load();
  watched_sections.Clear();
  if (b.setup != nullptr) zep::RunSection(kWindow, b.setup);
  auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < b.runs && error_code == 0; ++r) zep::RunSection(kWindow, b.section);
  auto stop = std::chrono::steady_clock::now();
  if (error_code != 0) {
    *why += "run error " + std::to_string(error_code) + " ";
    return -1;
  }
  return std::chrono::duration<double>(stop - start).count();
}

// Prints the statement cache's size after a script's section has run.
void PrintCacheSize(const char* label, const std::string& script, const char* section) {
  std::string why;
  if (!Load(script, &why)) {
    std::printf("%s: %s\n", label, why.c_str());
    return;
  }
  zep::RunSection(kWindow, section);
  std::printf("cache %s: %zu bytes of text, %d statements cached, %zu bytes of cache\n", label,
              std::strlen(zep::program_text), zep::StatementCacheCount(),
              zep::StatementCacheBytes());
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
  std::vector<std::pair<std::string, std::string>> sizes;
  bool print_sizes = false;
  bool watch_statements = false, watch_sections = false;
  for (int a = 1; a < argc; ++a) {
    if (std::strcmp(argv[a], "--reps") == 0 && a + 1 < argc) {
      reps = std::atoi(argv[++a]);
    } else if (std::strcmp(argv[a], "--no-cache") == 0) {
      zep::statement_cache_enabled = false;
    } else if (std::strcmp(argv[a], "--statement-watch") == 0) {
      watch_statements = true;
    } else if (std::strcmp(argv[a], "--section-watch") == 0) {
      watch_sections = true;
    } else if (std::strcmp(argv[a], "--cache-size") == 0) {
      print_sizes = true;
    } else if (std::strcmp(argv[a], "--size-of") == 0 && a + 2 < argc) {
      sizes.emplace_back(argv[a + 1], argv[a + 2]);
      a += 2;
    } else if (folder.empty()) {
      folder = argv[a];
    } else {
      names.push_back(argv[a]);
    }
  }
  if (folder.empty() || reps < 1) {
    std::fprintf(stderr,
                 "usage: %s SCRIPT_FOLDER [--reps N] [--no-cache] [--cache-size] [--statement-watch] "
                 "[--section-watch] [B1 B2 ...]\n",
                 argv[0]);
    return 2;
  }

  // The benchmarks use the language and the drawing commands, with the
  // recording canvas.
  zep::NullHost null_host;
  zep::host_system = &null_host;
  zep::canvas_system = &counting_canvas;
  const zep::CommandList* const lists[] = {&zep::core_commands,   &zep::figure_commands,
                                           &zep::screen_commands, &zep::picture_commands,
                                           &zep::text_commands,   &zep::pack_commands};
  zep::InstallCommandLists(lists, 6);
  const zep::RunPart* const parts[] = {&zep::core_run_part, &zep::screen_part, &zep::palette_part,
                                       &zep::back_screen_part};
  zep::InstallRunParts(parts, 4);
  if (watch_statements) zep::statement_watch = StatementWatch::Hook;
  if (watch_sections) zep::run_watch = &watched_sections;

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
      double seconds = RunOnce(b, script, &why);
      ok = seconds >= 0 && b.check(&why);
      if (ok && watch_statements && (watched_statements.statements == 0 || watched_statements.at_breaks != 0)) {
        why += "the statement hook saw " + std::to_string(watched_statements.statements) + " statements ";
        ok = false;
      }
      if (ok && watch_sections && (watched_sections.Started() == 0 || !watched_sections.Balanced())) {
        why += "the section watcher saw unbalanced or no section runs ";
        ok = false;
      }
      if (ok && (best < 0 || seconds < best)) best = seconds;
    }
    if (print_sizes) {
      std::printf("cache %s: %zu bytes of text, %d statements cached, %zu bytes of cache\n",
                  b.name, std::strlen(zep::program_text), zep::StatementCacheCount(),
                  zep::StatementCacheBytes());
    }
    zep::FreeRunParts(kWindow);
    if (null_host.messages_shown != 0) {
      why += "an error box was shown ";
      ok = false;
    }
    all_ok = all_ok && ok;
    std::string watched;
    if (watch_statements) watched += " statements=" + std::to_string(watched_statements.statements);
    if (watch_sections) watched += " sections=" + std::to_string(watched_sections.Started());
    if (ok) {
      std::printf("%s %.4f ok passes=%ld best_ms=%.3f%s\n", b.name, best * 1e6 / b.passes,
                  b.passes, best * 1e3, watched.c_str());
    } else {
      std::printf("%s nan FAIL passes=%ld %s\n", b.name, b.passes, why.c_str());
    }
    std::fflush(stdout);
  }
  for (const auto& [file, section] : sizes) {
    std::string script;
    if (!ReadFile(file, &script)) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 2;
    }
    PrintCacheSize(file.c_str(), script, section.c_str());
    zep::FreeRunParts(kWindow);
  }
  zep::statement_watch = nullptr;
  zep::run_watch = nullptr;
  zep::host_system = nullptr;
  return all_ok ? 0 : 1;
}
