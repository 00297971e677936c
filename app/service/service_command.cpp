#include "service/service_command.h"

#include <QFile>
#include <atomic>
#include <csignal>
#include <thread>

#include "files/bounded_read.h"
#include "files/failure.h"
#include "headless/command_options.h"
#include "headless/printable_text.h"
#include "headless/render_command.h"
#include "headless/service_options.h"
#include "service/query_error.h"
#include "service/title_service.h"
#include "service/url_signature.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 largestKeyFile = 64 << 10;

void say(std::FILE* stream, const QString& line) {
  const QByteArray bytes = (printableText(line) + u'\n').toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
  std::fflush(stream);
}

// Only the service's own options: a design option belongs in a request.
ServiceSettings serviceSettings(const QStringList& arguments) {
  RenderRequest request;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const SpelledOption spelled = spelledOption(arguments[i]);
    const CommandOption* known = findOption(spelled.option);
    if (!known || !isServiceOption(known->flag))
      throw UsageError(
          u"option '%1' does not go with --serve or --sign-url (see --help)"_s.arg(spelled.option));
    applyOption(*known, spelled, arguments, i, request);
  }
  return request.service;
}

QByteArray keyFrom(const QString& path) {
  if (path.isEmpty()) return {};
  const QString option = u"--key-file '%1'"_s.arg(path);
  QFile file(path);
  std::optional<QByteArray> key;
  try {
    if (!file.open(QIODevice::ReadOnly))
      throw UsageError(option + u": cannot read: "_s + file.errorString());
    key = readRestWithin(file, largestKeyFile);
  } catch (const Failure&) {
    throw UsageError(option + u": cannot read: "_s + file.errorString());
  }
  if (!key) throw UsageError(option + u": the key is too large"_s);
  const QByteArray trimmed = key->trimmed();
  if (trimmed.isEmpty()) throw UsageError(option + u": the key is empty"_s);
  return trimmed;
}

// SIGTERM and SIGINT are taken by a thread of their own, which drains the
// service, then stops it: requests under way are answered before it ends.
sigset_t endingSignals() {
  sigset_t ending;
  sigemptyset(&ending);
  sigaddset(&ending, SIGTERM);
  sigaddset(&ending, SIGINT);
  return ending;
}

int serve(const ServiceSetup& setup, std::FILE* errors) {
  const sigset_t ending = endingSignals();
  pthread_sigmask(SIG_BLOCK, &ending, nullptr);
  TitleService service(setup);
  const std::optional<int> port = service.bind();
  if (!port) {
    say(errors, u"Velloro: --serve: cannot listen on %1 port %2"_s.arg(setup.settings.address)
                    .arg(setup.settings.port));
    return exitStatus::Failed;
  }
  say(errors, u"Velloro: serving on http://%1:%2/"_s.arg(setup.settings.address).arg(*port));
  const timespec drain{setup.settings.drainSeconds, 0};
  std::atomic<bool> ended{false};
  std::thread ender([&service, &ended, ending, drain] {
    int signal = 0;
    sigwait(&ending, &signal);
    if (ended) return;
    service.drain();
    // A second signal ends the drain period early.
    sigtimedwait(&ending, nullptr, &drain);
    service.stop();
  });
  const bool served = service.serve();
  ended = true;
  pthread_kill(ender.native_handle(), SIGTERM);
  ender.join();
  return served ? exitStatus::Success : exitStatus::Failed;
}

}  // namespace

int runServiceCommand(const QStringList& arguments, const RenderEnvironment& environment) {
  try {
    const ServiceSettings settings = serviceSettings(arguments);
    const QByteArray key = keyFrom(settings.keyFile);
    if (settings.urlToSign) {
      if (key.isEmpty()) throw UsageError(u"--sign-url needs --key-file FILE"_s);
      say(environment.output, signedUrl(key, *settings.urlToSign));
      return exitStatus::Success;
    }
    return serve({settings, environment.programFolder, environment.enginePath, key},
                 environment.errors);
  } catch (const UsageError& error) {
    say(environment.errors, u"Velloro: "_s + error.message());
  } catch (const QueryError& error) {
    say(environment.errors, u"Velloro: "_s + error.message());
  }
  return exitStatus::BadArguments;
}
