// Feeds arbitrary bytes as a URL query to the render service's query
// reader. It must refuse with a QueryError or give a request that keeps
// the service's limits, names no file outside its folders and whose
// canonical form reads back to the same canonical form.
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "service/query_error.h"
#include "service/query_pairs.h"
#include "service/title_query.h"

namespace {

constexpr QueryLimits limits{200, 4, 4'000'000};

const TitleFolders& folders() {
  static const QString styles = QStringLiteral(VELLORO_DATA_FOLDER "/styles");
  static const TitleFolders shipped{styles, QStringLiteral(VELLORO_DATA_FOLDER "/fonts-none"),
                                    [](const QString& path) -> QString {
                                      if (!path.startsWith(QStringLiteral(VELLORO_DATA_FOLDER "/")))
                                        std::abort();
                                      throw QueryError(QStringLiteral("font: no font"));
                                    }};
  return shipped;
}

bool keepsTheLimits(const RenderRequest& request) {
  if (request.text.isEmpty() || request.text.size() > limits.longestText) return false;
  if (request.text.count(u'\n') + 1 > limits.mostLines) return false;
  if (!request.outputFile.isEmpty() || !request.batchList.isEmpty() ||
      !request.outputFolder.isEmpty() || !request.backgroundPicture.isEmpty())
    return false;
  const QString styles = QDir(folders().styles).canonicalPath() + u'/';
  return request.styleFile.isEmpty() || request.styleFile.startsWith(styles);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView query(reinterpret_cast<const char*>(data), qsizetype(size));
  try {
    const TitleQuery title = readTitleQuery(queryPairs(query), folders(), limits);
    if (!keepsTheLimits(title.request)) std::abort();
    const TitleQuery again =
        readTitleQuery(queryPairs(title.canonical.toUtf8()), folders(), limits);
    if (again.canonical != title.canonical) std::abort();
  } catch (const QueryError&) {
  }
  return 0;
}
