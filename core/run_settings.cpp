#include "core/run_settings.h"

namespace zep {

RunSettings window_settings;
uint32_t key_code = 0;
uint32_t char_code = 0;
RunState run_state;

}  // namespace zep
