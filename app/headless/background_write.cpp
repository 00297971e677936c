#include "headless/background_write.h"

#include <system_error>

#include "files/failure.h"

namespace {

std::optional<QString> replaced(const QString& path, const QByteArray& content,
                                FinalLink finalLink) {
  try {
    writeFileReplacing(path, content, finalLink);
    return std::nullopt;
  } catch (const Failure& failure) {
    return failure.description();
  }
}

}  // namespace

WriteProblem writeInBackground(QString path, QByteArray content, FinalLink finalLink) {
  try {
    // Copies, which share their bytes: the arguments are taken before the
    // thread is, and the write below still needs them when it is refused.
    return std::async(std::launch::async, replaced, path, content, finalLink);
  } catch (const std::system_error&) {
  }
  std::promise<std::optional<QString>> written;
  try {
    written.set_value(replaced(path, content, finalLink));
  } catch (...) {
    written.set_exception(std::current_exception());
  }
  return written.get_future();
}
