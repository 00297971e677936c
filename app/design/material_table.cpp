#include "design/material_table.h"

#include <QStringList>

using namespace Qt::StringLiterals;

static_assert(materialGroup(Material::Gold) == 3,
              "stored curve files name steel's group 2 and gold's 3");

const MaterialRow& materialRow(Material material) {
  const int32_t number = velloro::toInt(material);
  return number >= 0 && number < materialCount ? materials[size_t(number)] : materials[0];
}

QString materialsWithOwnLook() {
  QStringList parts;
  for (const MaterialRow& row : materials)
    if (row.ownLook)
      parts << u"%1 is %2"_s.arg(velloro::toInt(row.material)).arg(row.name.toString().toLower());
  return parts.join(u" and "_s);
}
