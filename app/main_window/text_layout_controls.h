// The controls of how a title's letters and lines are set, beside the
// title's text box: the alignment of the lines, the line spacing and the
// letter spacing. (The toolbar has no room left at the window's start width.)
#pragma once

#include <QObject>

#include "design/text_picture.h"

class SourceFrame;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

class TextLayoutControls : public QObject {
  Q_OBJECT
 public:
  // Puts the controls into the source frame.
  explicit TextLayoutControls(SourceFrame& sourceFrame);

  QSpinBox* letterSpacingBox() const { return letterSpacingBox_; }
  QComboBox* alignmentBox() const { return alignmentBox_; }
  QDoubleSpinBox* lineSpacingBox() const { return lineSpacingBox_; }

  TextArrangement arrangement() const;
  // Shows `arrangement` without reporting a change.
  void show(const TextArrangement& arrangement);

 signals:
  // The user changed one of the controls.
  void changed();

 private:
  QSpinBox* letterSpacingBox_;
  QComboBox* alignmentBox_;
  QDoubleSpinBox* lineSpacingBox_;
};
