#include "core/host.h"

namespace zep {

Host* host = nullptr;

}  // namespace zep
