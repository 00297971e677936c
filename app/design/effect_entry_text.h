// An entry of the effect stack written as one word, as the command line
// and the render service take it: NAME, or NAME:KEY=VALUE,KEY=VALUE,...
// with the keys of entrySettings() (in either spelling). "none" is no
// effect at all.
#pragma once

#include <QString>

#include "design/effect_stack.h"

struct EffectEntryText {
  EffectStack entries;  // the entry read, or none for "none"
  QString problem;      // why the word is refused, naming the part at fault; empty when read
};

EffectEntryText readEffectEntryText(const QString& word);

// The keys an entry takes, each with its range or kind of value and the
// effects that keep it, for --help.
QString entrySettingsSummary();
