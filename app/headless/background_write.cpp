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
    return std::async(std::launch::async, replaced, std::move(path), std::move(content), finalLink);
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
