#include "service/http_exchange.h"

#include <algorithm>
#include <cctype>

namespace {

bool sameName(const std::string& a, const std::string& b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::optional<std::string> headerValue(const HttpHeaders& headers, const std::string& name) {
  for (const auto& [key, value] : headers)
    if (sameName(key, name)) return value;
  return std::nullopt;
}

std::string HttpRequest::rawQuery() const {
  const size_t mark = target.find('?');
  return mark == std::string::npos ? std::string() : target.substr(mark + 1);
}

void HttpAnswer::setHeader(std::string name, std::string value) {
  headers.emplace_back(std::move(name), std::move(value));
}

void HttpAnswer::setContent(std::string content, std::string type) {
  body = std::move(content);
  contentType = std::move(type);
}
