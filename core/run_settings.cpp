#include "core/run_settings.h"

namespace zep {

RunSettings settings;
uint32_t key_code = 0;
uint32_t char_code = 0;
int32_t answer = 0;
double function_result = 0;
uint8_t running = 0;
uint8_t dialog_open = 0;
int32_t window_ready = 0;
int open_file = -1;

uint32_t WindowStyleFor(int style_type) {
  static const uint32_t kStyles[5] = {0x80CF0000u, 0x80840000u, 0x80CA0000u, 0x80800000u,
                                      0x80000000u};
  return (style_type >= 0 && style_type <= 4) ? kStyles[style_type] : kStyles[0];
}

}  // namespace zep
