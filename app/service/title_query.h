// A request for a title picture read from its URL query: the parameters
// are the options of `Velloro --render` without their dashes, read by the
// same option list, so a query and the command line give the same request
// and so the same picture bytes. Only what names no file outside the
// service's folders is taken: no output, batch or background picture; a
// style or font file by its name in its folder.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "headless/render_request.h"
#include "service/query_pairs.h"

struct QueryLimits {
  int longestText = 0;
  int mostLines = 0;
  qint64 mostPixels = 0;
};

struct TitleFolders {
  QString styles;
  QString fonts;  // empty when no font file may be named
  // The family of a font file of the fonts folder; throws a QueryError
  // when the file holds no font.
  std::function<QString(const QString& path)> fontFamily;
};

struct TitleQuery {
  RenderRequest request;
  QString canonical;  // the request in its one spelling: a flag as "name" alone
};

// The request of `pairs`, which hold no signature. Throws a QueryError
// naming the parameter that cannot be served.
TitleQuery readTitleQuery(const std::vector<QueryPair>& pairs, const TitleFolders& folders,
                          const QueryLimits& limits);

// The file called `name` plus `extension` right inside `folder`; throws a
// QueryError naming `parameter` when the name is no plain file name or no
// such file is there, also through a link that leads out of the folder.
QString fileInFolder(const QString& parameter, const QString& name, const QString& folder,
                     const QString& what);
