// What `Velloro --render` writes, the bytes every service answer is held to.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes `Velloro --render` writes for `arguments` plus "-o" a file of
// `format`, rendered from the shipped data; "render failed" when it fails.
QByteArray renderedBytes(QStringList arguments, const QString& format);
