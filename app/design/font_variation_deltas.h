// An item variation store (the deltas GDEF, MVAR and HVAR hold) evaluated
// at one point of a font's design space.
#pragma once

#include <QByteArray>
#include <QHash>
#include <optional>
#include <vector>

class VariationDeltas {
 public:
  // The store at `at` of `table`; `coordinates` are the point's
  // normalized coordinates, -1 to 1 on each axis.
  VariationDeltas(const QByteArray& table, qint64 at, std::vector<double> coordinates);

  // The delta of item `inner` of delta set `outer` at the point; nothing
  // when the store does not hold it whole. Each is worked out once.
  std::optional<double> delta(int outer, int inner);

 private:
  std::optional<double> deltaOf(int outer, int inner) const;
  double regionScalar(qint64 region) const;

  QByteArray table_;
  qint64 at_;
  std::vector<double> coordinates_;
  QHash<quint32, std::optional<double>> known_;
};
