#include "service/service_wanted.h"

#include <algorithm>

using namespace Qt::StringLiterals;

bool wantsService(const QStringList& arguments) {
  if (arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s)) return false;
  return std::ranges::any_of(arguments, [](const QString& word) {
    return word == u"--serve"_s || word == u"--sign-url"_s || word.startsWith(u"--sign-url="_s);
  });
}
