// The options of `Velloro --render`, in the order --help shows them: those
// of the run itself, and the design settings that have an option of their
// own (taken from the setting declarations). Parsing and --help both walk
// this list.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "headless/render_request.h"

struct CommandOption {
  QString flag;
  QString otherFlag;  // a second spelling: "-o, --output" in help, or "(also --color)"
  QString valueName;  // empty for an option without a value
  QString help;       // its lines in --help; each line is wrapped on its own
  // Reads the option's value into the request, or throws a UsageError.
  std::function<void(RenderRequest&, const QString& option, const QString& value)> read;
  // What an option without a value does; none for --help and --version,
  // which are answered before any other option is read.
  std::function<void(RenderRequest&)> set;
};

const std::vector<CommandOption>& commandOptions();

// The option spelt `word` in either of its spellings, or null.
const CommandOption* findOption(const QString& word);

// One word of a command line: `--flag=value` carries its value in the word,
// any other option takes the next word as its value when it needs one.
struct SpelledOption {
  QString option;
  std::optional<QString> value;
};
SpelledOption spelledOption(const QString& word);

// Sets `known` on `request` with the value the word carried or, for an
// option that needs one, the word after `at` (which `at` then moves to);
// throws a UsageError naming the option.
void applyOption(const CommandOption& known, const SpelledOption& spelled,
                 const QStringList& arguments, qsizetype& at, RenderRequest& request);
