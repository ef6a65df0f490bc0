#include "core/run_settings.h"

namespace zep {

RunSettings window_settings;
uint32_t key_code = 0;
uint32_t char_code = 0;
int32_t answer = 0;
double function_result = 0;
uint8_t running = 0;
uint8_t dialog_open = 0;
int32_t window_ready = 0;

}  // namespace zep
