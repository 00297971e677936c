#include "file_size_limit.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
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
  QFile pipe;
  if (pipe.open(output, QIODevice::WriteOnly)) pipe.write(result);
  pipe.close();
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
  QFile pipe;
  pipe.open(channel[0], QIODevice::ReadOnly);
  const QByteArray result = pipe.readAll();
  pipe.close();
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
  return result;
}
