// A request as the service's handlers read it and the answer they fill in,
// in types of the service's own: only the server's file compiles the HTTP
// library's header, which costs more to compile than the rest of the
// service together.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

// The first of `headers` named `name`, in any case.
std::optional<std::string> headerValue(const HttpHeaders& headers, const std::string& name);

struct HttpRequest {
  std::string path;    // decoded, without the query
  std::string target;  // as sent: the path and the raw query
  std::string remoteAddress;
  HttpHeaders headers;

  std::optional<std::string> header(const std::string& name) const {
    return headerValue(headers, name);
  }
  // The part of the target after '?', empty without one.
  std::string rawQuery() const;
};

struct HttpAnswer {
  int status = 200;
  std::string body;
  std::string contentType;
  HttpHeaders headers;

  void setHeader(std::string name, std::string value);
  void setContent(std::string content, std::string type);
};

using HttpHandler = std::function<void(const HttpRequest&, HttpAnswer&)>;

struct HttpRoute {
  std::string path;
  HttpHandler handler;
};
