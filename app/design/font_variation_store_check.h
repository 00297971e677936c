// The shared parts of the tables that vary a font's metrics (MVAR, HVAR)
// read from their own headers: FreeType passes over a damaged one in
// silence, drawing the font's default metrics.
#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// The number of items of each delta set of the item variation store at
// `at` of `table`, or nothing when the store does not lie within the table
// or its regions are of other axes than the font's `axes`.
std::optional<std::vector<int>> variationStoreItems(const QByteArray& table, qint64 at, int axes);

// Whether the delta-set index map at `at` of `table` lies within it.
bool soundDeltaSetIndexMap(const QByteArray& table, qint64 at);
