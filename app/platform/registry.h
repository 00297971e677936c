// Per-user settings in the registry's manner, kept with QSettings under the
// organisation and application "Velloro". A key path "Software\Velloro\First"
// with the value "Value" is the setting "First/Value".
#pragma once

#include <QString>

// Sets the value as text; returns whether it was stored.
bool registryWrite(const QString& keyPath, const QString& valueName, const QString& text);

// The text of the value whose name matches exactly (case counts), at most
// 255 characters; empty when the key or the value is missing or unreadable.
QString registryRead(const QString& keyPath, const QString& valueName);
