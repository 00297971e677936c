#include "main_window/missing_glyphs_notice.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "design/missing_glyphs.h"
#include "design/text_picture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int askedPixelSize = 16;

}  // namespace

MissingGlyphsNotice::MissingGlyphsNotice(QStatusBar& statusBar) : QLabel(&statusBar) {
  setObjectName(u"MissingGlyphsNotice"_s);
  // The same reds as the cut notice: a dark red reads on a light bar only.
  const bool darkBar = statusBar.palette().color(QPalette::Window).lightness() < 128;
  setStyleSheet(u"color: %1; font-weight: bold"_s.arg(darkBar ? u"#ff7070"_s : u"#b00000"_s));
  hide();
  statusBar.insertPermanentWidget(1, this);
}

void MissingGlyphsNotice::showFor(const TextPicture& picture, const QString& text) {
  // Whether a font draws a character does not hang on its size. Asked at a
  // size of its own and on the screen, the question shares no font engine
  // with the printing of the title, which it may come before as the user
  // types, so the title prints as it would unasked.
  QFont font = picture.font;
  font.setPixelSize(askedPixelSize);
  const QList<char32_t> missing = charactersWithoutGlyph(font, text, nullptr);
  if (missing.isEmpty()) {
    clear();
    hide();
    return;
  }
  // A status bar has one line: the first letter of a sentence is upper case.
  QString notice = missingGlyphsText(missing);
  notice[0] = notice[0].toUpper();
  setText(notice);
  show();
}

void MissingGlyphsNotice::follow(QPlainTextEdit& titleBox, std::function<void()> check) {
  recheck_.setSingleShot(true);
  recheck_.setInterval(0);
  connect(&recheck_, &QTimer::timeout, this, std::move(check));
  connect(&titleBox, &QPlainTextEdit::textChanged, &recheck_, qOverload<>(&QTimer::start));
  titleBox.installEventFilter(this);
}

bool MissingGlyphsNotice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FontChange) recheck_.start();
  return QLabel::eventFilter(watched, event);
}
