// The pictures of the toolbar buttons, by the buttons' keys.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QStyle;

// Line drawings take `ink`, the toolbar's text colour, so they show on light
// and dark toolbars alike.
QIcon toolIcon(const QString& key, const QStyle& style, const QColor& ink);
