#include "file_size_limit.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <exception>

namespace {

[[noreturn]] void runChild(int output, long limit, const std::function<QByteArray()>& body) {
  // Without the signal ignored, the first write past the limit would end
  // the child instead of failing.
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit bytes{rlim_t(limit), rlim_t(limit)};
  setrlimit(RLIMIT_FSIZE, &bytes);
  QByteArray result;
  try {
    result = body();
  } catch (const std::exception& escaped) {
    result = QByteArray("escaped: ") + escaped.what();
  }
  for (qsizetype sent = 0; sent < result.size();) {
    const ssize_t written = write(output, result.constData() + sent, size_t(result.size() - sent));
    if (written <= 0) break;
    sent += written;
  }
  _exit(0);
}

}  // namespace

QByteArray inChildWithFileLimit(long limit, const std::function<QByteArray()>& body) {
  int channel[2];
  if (pipe(channel) != 0) {
    ADD_FAILURE() << "no pipe";
    return {};
  }
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    runChild(channel[1], limit, body);
  }
  close(channel[1]);
  QByteArray result;
  char chunk[4096];
  for (ssize_t got; (got = read(channel[0], chunk, sizeof chunk)) != 0;) {
    if (got < 0) break;
    result.append(chunk, got);
  }
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
  return result;
}
