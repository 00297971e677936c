// The pictures of the toolbar buttons, by the buttons' keys.
#pragma once

#include <QIcon>
#include <QString>

class QStyle;

QIcon toolIcon(const QString& key, const QStyle& style);
