#include "main_window/text_layout_controls.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "design/setting_declarations.h"
#include "main_window/source_frame.h"
#include "widgets/described.h"

TextLayoutControls::TextLayoutControls(SourceFrame& sourceFrame)
    : QObject(&sourceFrame),
      letterSpacingBox_(new QSpinBox),
      alignmentBox_(new QComboBox),
      lineSpacingBox_(new QDoubleSpinBox) {
  letterSpacingBox_->setObjectName(QStringLiteral("LetterSpacing"));
  const SettingDeclaration& letterSpacing = declaration(Setting::LetterSpacing);
  letterSpacingBox_->setRange(int(letterSpacing.low), int(letterSpacing.high));
  // The names stand in the boxes: beside the text box there is no room for
  // captions of their own.
  letterSpacingBox_->setPrefix(QStringLiteral("Letters "));
  letterSpacingBox_->setSuffix(QStringLiteral(" px"));
  describe(letterSpacingBox_, QStringLiteral("Letter spacing"),
           QStringLiteral("Letter spacing: pixels added between letters (%1 to %2)")
               .arg(letterSpacing.low)
               .arg(letterSpacing.high));
  alignmentBox_->setObjectName(QStringLiteral("Alignment"));
  // Start and end follow each line's reading direction.
  alignmentBox_->addItems({QStringLiteral("Left"), QStringLiteral("Centre"),
                           QStringLiteral("Right"), QStringLiteral("Start"),
                           QStringLiteral("End")});
  describe(alignmentBox_, QStringLiteral("Line alignment"),
           QStringLiteral("Alignment of the title's lines"));
  lineSpacingBox_->setObjectName(QStringLiteral("LineSpacing"));
  const SettingDeclaration& lineSpacing = declaration(Setting::LineSpacing);
  lineSpacingBox_->setRange(lineSpacing.low, lineSpacing.high);
  lineSpacingBox_->setPrefix(QStringLiteral("Lines "));
  lineSpacingBox_->setSingleStep(0.1);
  lineSpacingBox_->setDecimals(2);
  lineSpacingBox_->setValue(1);
  describe(lineSpacingBox_, QStringLiteral("Line spacing"),
           QStringLiteral("Line spacing: times the font's line height"));
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
