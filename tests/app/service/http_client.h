// The service's answers as a client on this host sees them, through a
// socket of the test's own: the bytes on the wire, no HTTP library between.
#pragma once

#include <optional>
#include <string>

#include "service/http_exchange.h"

struct HttpReply {
  int status = 0;
  HttpHeaders headers;
  std::string body;

  // The header's value, empty when it was not sent.
  std::string header(const std::string& name) const {
    return headerValue(headers, name).value_or("");
  }
};

// A loopback connection to `port`, closed when it goes. An answer that does
// not come within 5 seconds fails the test instead of hanging it.
class Connection {
 public:
  explicit Connection(int port);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool connected() const { return connected_; }
  bool send(const std::string& bytes);
  // What arrives until the service closes the connection.
  std::string receiveAll();
  // The status line of the answer to GET `path` on a connection kept open.
  std::string statusOf(const std::string& path);

 private:
  int socket_;
  bool connected_ = false;
};

// GET `target` as sent (no escaping) with `headers`, on a connection of its
// own; none when no whole answer came.
std::optional<HttpReply> httpGet(int port, const std::string& target,
                                 const HttpHeaders& headers = {});
