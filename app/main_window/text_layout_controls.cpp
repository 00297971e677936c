#include "main_window/text_layout_controls.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "main_window/panel_building.h"
#include "main_window/source_frame.h"

TextLayoutControls::TextLayoutControls(SourceFrame& sourceFrame)
    : QObject(&sourceFrame),
      // The short captions stand in the boxes: beside the text box there is
      // no room for captions of their own.
      letterSpacingBox_(
          wholeNumberBox(nullptr, QStringLiteral("LetterSpacing"), Setting::LetterSpacing)),
      alignmentBox_(choiceList(nullptr, QStringLiteral("Alignment"), Setting::Alignment)),
      lineSpacingBox_(numberBox(nullptr, QStringLiteral("LineSpacing"), Setting::LineSpacing)) {
  // A value typed digit by digit counts once it is entered.
  letterSpacingBox_->setKeyboardTracking(false);
  lineSpacingBox_->setKeyboardTracking(false);

  sourceFrame.holdLineControls({alignmentBox_, lineSpacingBox_, letterSpacingBox_});

  connect(letterSpacingBox_, &QSpinBox::valueChanged, this, &TextLayoutControls::changed);
  connect(alignmentBox_, &QComboBox::activated, this, &TextLayoutControls::changed);
  connect(lineSpacingBox_, &QDoubleSpinBox::valueChanged, this, &TextLayoutControls::changed);
}

TextArrangement TextLayoutControls::arrangement() const {
  return {LineAlignment(alignmentBox_->currentIndex()), lineSpacingBox_->value(),
          letterSpacingBox_->value()};
}

void TextLayoutControls::show(const TextArrangement& arrangement) {
  const QSignalBlocker quietLetters(letterSpacingBox_);
  const QSignalBlocker quietLines(lineSpacingBox_);
  letterSpacingBox_->setValue(arrangement.letterSpacing);
  alignmentBox_->setCurrentIndex(int(arrangement.alignment));
  lineSpacingBox_->setValue(arrangement.lineSpacing);
}
