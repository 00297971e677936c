// Why a request's query cannot be served: one line of plain text that names
// the parameter, answered with 400.
#pragma once

#include <QString>
#include <stdexcept>

class QueryError : public std::runtime_error {
 public:
  explicit QueryError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};
