// An engine library that exports ACTION and nothing else.
#include "engine.h"

int32_t ACTION(uint8_t*, const uint8_t*, uint8_t*, int32_t, int32_t, int32_t, int32_t, int32_t,
               int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
               int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
               int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
               int32_t) {
  return 0;
}
