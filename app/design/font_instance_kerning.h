// The kerning of a variable font's instance: the pair adjustments of its
// GPOS table whose values vary over the design space (their device tables
// name deltas of GDEF's item variation store) set to their values at the
// instance, since a static font has no axes to vary them by. The rest of
// the table stays as it is.
#pragma once

#include <QByteArray>
#include <vector>

// `gpos` with its pair adjustments at the point `coordinates` (normalized,
// -1 to 1 on each axis) of the variation store of `gdef`; as it is where
// either table holds no such thing. Parts that lie outside the table are
// passed over.
QByteArray positioningAt(QByteArray gpos, const QByteArray& gdef,
                         const std::vector<double>& coordinates);
