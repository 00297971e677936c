// `Velloro --serve` and `--sign-url` on the command line: the service's own
// options only, the key file, the signed URL printed, one line and exit 2
// for every bad argument.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>

#include "headless/render_command.h"
#include "service/service_command.h"
#include "service/service_wanted.h"
#include "service/url_signature.h"
#include "test_files.h"

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
  int status = -1;
  std::string output;
  std::string errors;
};

std::string contentOf(std::FILE* stream) {
  std::rewind(stream);
  std::string text;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) text += char(c);
  std::fclose(stream);
  return text;
}

Outcome run(const QStringList& arguments) {
  std::FILE* output = std::tmpfile();
  std::FILE* errors = std::tmpfile();
  Outcome outcome;
  outcome.status =
      runServiceCommand(arguments, {u"/nonexistent"_s, u"/nonexistent"_s, output, errors});
  outcome.output = contentOf(output);
  outcome.errors = contentOf(errors);
  return outcome;
}

// The key file `name` holding `content`.
QString keyFile(const QTemporaryDir& folder, const char* name, const QByteArray& content) {
  writeContent(folder.filePath(QLatin1String(name)), content);
  return folder.filePath(QLatin1String(name));
}

TEST(ServiceCommand, SignUrlPrintsTheSignedUrl) {
  const QTemporaryDir folder;
  const Outcome outcome =
      run({u"--sign-url"_s, u"https://titles.example/v1/title.png?text=Hi&size=20"_s,
           u"--key-file"_s, keyFile(folder, "secret", "secret\n")});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.errors, "");
  EXPECT_EQ(outcome.output,
            "https://titles.example/v1/title.png?size=20&text=Hi&sig=" +
                signatureOf("secret", u"/v1/title.png?size=20&text=Hi"_s).toStdString() + "\n");
}

TEST(ServiceCommand, BadArgumentsGetOneLineAndStatus2) {
  const QTemporaryDir folder;
  const QString empty = keyFile(folder, "empty", " \n");
  const struct {
    QStringList arguments;
    std::string line;
  } cases[] = {
      {{u"--serve"_s, u"--size"_s, u"20"_s},
       "Velloro: option '--size' does not go with --serve or --sign-url (see --help)\n"},
      {{u"--serve"_s, u"--render"_s},
       "Velloro: option '--render' does not go with --serve or --sign-url (see --help)\n"},
      {{u"--serve"_s, u"--bogus"_s},
       "Velloro: option '--bogus' does not go with --serve or --sign-url (see --help)\n"},
      {{u"--serve"_s, u"--port"_s, u"65536"_s},
       "Velloro: --port: '65536' is not a whole number from 0 to 65535\n"},
      {{u"--serve"_s, u"--port"_s}, "Velloro: --port: needs a value\n"},
      {{u"--serve=yes"_s}, "Velloro: --serve: takes no value\n"},
      {{u"--serve"_s, u"--address"_s, u"localhost"_s},
       "Velloro: --address: 'localhost' is not an IP address\n"},
      {{u"--serve"_s, u"--max-lines"_s, u"21"_s},
       "Velloro: --max-lines: '21' is not a whole number from 1 to 20\n"},
      {{u"--serve"_s, u"--queue"_s, u"0"_s},
       "Velloro: --queue: '0' is not a whole number from 1 to 10000\n"},
      {{u"--serve"_s, u"--key-file"_s, u"/nonexistent/key"_s},
       "Velloro: --key-file '/nonexistent/key': cannot read: No such file or directory\n"},
      {{u"--serve"_s, u"--key-file"_s, empty},
       "Velloro: --key-file '" + empty.toStdString() + "': the key is empty\n"},
      {{u"--sign-url"_s, u"/v1/title.png?text=Hi"_s},
       "Velloro: --sign-url needs --key-file FILE\n"},
      {{u"--sign-url"_s, u"http://[::1"_s, u"--key-file"_s, keyFile(folder, "k", "k")},
       "Velloro: --sign-url: 'http://[::1' is not a URL\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = run(c.arguments);
    EXPECT_EQ(outcome.status, exitStatus::BadArguments) << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(outcome.errors, c.line) << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(outcome.output, "");
  }
}

TEST(ServiceCommand, HelpWinsOverTheService) {
  const struct {
    QStringList arguments;
    bool service;
  } cases[] = {
      {{u"--serve"_s}, true},
      {{u"--port"_s, u"1"_s, u"--serve"_s}, true},
      {{u"--sign-url=/v1/title.png"_s}, true},
      {{u"--serve"_s, u"--help"_s}, false},
      {{u"-h"_s, u"--sign-url"_s, u"x"_s}, false},
      {{u"--render"_s, u"--text"_s, u"--serve"_s}, true},
      {{u"--port"_s, u"1"_s}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(wantsService(c.arguments), c.service) << c.arguments.join(u' ').toStdString();
}

TEST(ServiceCommand, HelpShowsTheServiceOptionsAndLimits) {
  const QString help = commandLineHelpText();
  for (const char* line :
       {"  --serve ", "  --port N ", "  --key-file FILE ", "  --sign-url URL ", "  --max-text N ",
        "  --max-pixels N ", "gets 429", "gets 414", "get 431"})
    EXPECT_TRUE(help.contains(QLatin1String(line))) << line;
  EXPECT_TRUE(help.indexOf(u"--max-connections"_s) < help.indexOf(u"-h, --help"_s));
}

}  // namespace
