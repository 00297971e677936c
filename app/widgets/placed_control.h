// Making a captioned control at its fixed place in a window's layout.
#pragma once

#include <QLatin1String>
#include <QRect>
#include <QString>
#include <QWidget>

template <typename Control>
Control* placed(QWidget* window, const char* name, const QString& caption, QRect at) {
  auto* control = new Control(caption, window);
  control->setObjectName(QLatin1String(name));
  control->setGeometry(at);
  return control;
}
