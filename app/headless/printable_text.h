// Text from a batch list, a file name or a message, made safe to print on a
// terminal: a control character could move the cursor, clear the screen or
// retitle the window, so each one is shown as its code instead ("\x1B").
#pragma once

#include <QString>

QString printableText(const QString& text);
