// Giving a control the name a screen reader says and the tooltip a pointer
// shows; the tooltip says the name unless a longer hint is given.
#pragma once

#include <QString>
#include <QWidget>

inline void describe(QWidget* control, const QString& name, const QString& hint = {}) {
  control->setAccessibleName(name);
  control->setToolTip(hint.isEmpty() ? name : hint);
}
