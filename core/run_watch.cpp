#include "core/run_watch.h"

namespace zep {

RunWatch* run_watch = nullptr;
void (*statement_watch)(WindowRef window, int pos, int call_depth) = nullptr;

}  // namespace zep
