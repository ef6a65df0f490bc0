#include "assist/reference_system.h"

namespace zep {

// Apart from the reference's code, so that a program that only installs the
// platform (the runtime of compiled programs) does not take the catalog in.
ReferenceSystem* reference_system = nullptr;

}  // namespace zep
