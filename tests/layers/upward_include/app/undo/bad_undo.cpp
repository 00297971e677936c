#include "design/design_state.h"
#include "platform/platform.h"
