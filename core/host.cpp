#include "core/host.h"

namespace zep {

Host* host_system = nullptr;

}  // namespace zep
