#pragma once

#include "action_arguments.h"
#include "engine_state.h"

namespace velloro {

// One render of a layer: copies the source into the output, builds the
// element's geometry and leaves the render's arrays in `state` until
// DESTRUCTION. A render into an underlay stores its layer and leaves the
// output alone.
void runAction(EngineState& state, const ActionArguments& args);

}  // namespace velloro
