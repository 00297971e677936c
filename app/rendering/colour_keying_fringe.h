// The fringe a keyed subject keeps: an anti-aliased edge mixes the subject's
// colour with the background's, so when the background is the key colour
// the kept edge pixels form a thin ring of it around the subject.
#pragma once

#include <QColor>

struct KeyedPicture;

// Takes the key colour out of the kept pixels that border removed ones:
// an edge pixel that is a mix of the key colour and the subject beside it
// is removed when it is mostly key colour and otherwise given back the
// subject's colour it was mixed from. Edge pixels of another colour (a
// detail of the subject, no mix) are kept as they are.
void dropKeyFringe(KeyedPicture& keyed, const QColor& key);
