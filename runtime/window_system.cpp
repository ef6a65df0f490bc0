#include "runtime/window_system.h"

namespace zep {

WindowSystem* window_system = nullptr;

}  // namespace zep
