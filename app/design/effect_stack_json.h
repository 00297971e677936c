// The outside effects in a style file. A stack the previous version can
// say, the empty one or one entry switched on, is its "effect" object
// alone, byte for byte; any other stack is the list "effects", bottom
// first, with "effect" still holding what a one-effect reader should draw:
// the topmost entry switched on, or "none".
#pragma once

#include <QJsonObject>

#include "design/effect_stack.h"

// `base` with the effects `root` gives; throws a StyleError naming the
// entry. "effects" wins over "effect". A lone "effect" without a type
// changes the base's top entry; with one it makes the stack that entry.
EffectStack readEffects(const QJsonObject& root, const EffectStack& base);

void writeEffects(const EffectStack& stack, QJsonObject& root);
