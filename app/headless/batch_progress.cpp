#include "headless/batch_progress.h"

#include <unistd.h>

#include <algorithm>

#include "headless/printable_text.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int barWidth = 30;
constexpr auto clearLine = "\r\x1b[K"_L1;

}  // namespace

QString progressLine(int done, int total, const QString& title) {
  return u"%1/%2 %3"_s.arg(done).arg(total).arg(printableText(title));
}

QString progressBar(int done, int total, int width) {
  const int filled = total <= 0 ? width : std::clamp(done * width / total, 0, width);
  return u'[' + QString(filled, u'#') + QString(width - filled, u'.') + u']';
}

BatchProgress::BatchProgress(std::FILE* stream, bool terminal, int total)
    : stream_(stream), terminal_(terminal), total_(total) {}

void BatchProgress::titleDone(int done, const QString& title) {
  if (!terminal_) {
    write(progressLine(done, total_, title) + u'\n');
    return;
  }
  shownBar_ = progressBar(done, total_, barWidth) + u' ' + progressLine(done, total_, title);
  write(clearLine + shownBar_);
}

void BatchProgress::report(const QString& message) {
  const QString shown = printableText(message);
  if (!terminal_) {
    write(shown + u'\n');
    return;
  }
  write(clearLine + shown + u'\n' + shownBar_);
}

void BatchProgress::finish() {
  if (terminal_ && !shownBar_.isEmpty()) write(u"\n"_s);
  shownBar_.clear();
}

void BatchProgress::write(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream_);
  std::fflush(stream_);
}

bool isTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }
