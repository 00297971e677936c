#include "headless/console_platform.h"

#include "headless/printable_text.h"

using namespace Qt::StringLiterals;

ConsolePlatform::ConsolePlatform(std::FILE* errors) : errors_(errors) {}

MessageAnswer ConsolePlatform::showMessage(const Message& message) {
  QString line = message.text;
  line.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ');
  const QByteArray bytes = (u"Velloro: "_s + printableText(line) + u'\n').toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), errors_);
  std::fflush(errors_);
  switch (message.buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::OkCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
    case MessageButtons::SaveDiscardCancel: return MessageAnswer::Cancel;
  }
  return MessageAnswer::Ok;
}

QString ConsolePlatform::chooseFileToOpen(const FileDialogRequest&) { return {}; }
QString ConsolePlatform::chooseFileToSave(const FileDialogRequest&) { return {}; }
FileChoice ConsolePlatform::chooseFileAndTypeToSave(const FileDialogRequest&) { return {}; }
std::optional<QColor> ConsolePlatform::chooseColour(const QColor&, QWidget*) {
  return std::nullopt;
}
std::optional<QFont> ConsolePlatform::chooseFont(const QFont&, QWidget*) { return std::nullopt; }
bool ConsolePlatform::setUpPrinter(QPrinter&, QWidget*) { return false; }
bool ConsolePlatform::startProgram(const QString&, const QStringList&) { return false; }
bool ConsolePlatform::openUrl(const QUrl&) { return false; }
void ConsolePlatform::showHelp(const QUrl&) {}
void ConsolePlatform::showModal(QDialog&) {}
