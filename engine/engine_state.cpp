#include "engine_state.h"

namespace velloro {

EngineState& engineState() {
    static EngineState state;
    return state;
}

}  // namespace velloro
