// Esc in a tool or output window presses its Cancel button, so the key does
// exactly what Cancel does (with its questions and clean-up) and nothing else.
#pragma once

class QAbstractButton;
class QWidget;

void cancelOnEscape(QWidget& window, QAbstractButton& cancel);
