#include "http_client.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

Connection::Connection(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(uint16_t(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  connected_ = ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  const timeval patience{5, 0};
  ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
}

Connection::~Connection() { ::close(socket_); }

bool Connection::send(const std::string& bytes) {
  return ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
}

std::string Connection::receiveAll() {
  std::string received;
  char piece[65536];
  for (ssize_t got; (got = ::recv(socket_, piece, sizeof piece, 0)) > 0;)
    received.append(piece, size_t(got));
  return received;
}

std::string Connection::statusOf(const std::string& path) {
  if (!send("GET " + path + " HTTP/1.1\r\nHost: test\r\n\r\n")) return "";
  char answer[512] = {};
  const ssize_t got = ::recv(socket_, answer, sizeof answer - 1, 0);
  const std::string text(answer, size_t(std::max<ssize_t>(got, 0)));
  return text.substr(0, text.find('\r'));
}

std::optional<HttpReply> httpGet(int port, const std::string& target, const HttpHeaders& headers) {
  Connection connection(port);
  std::string request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
  for (const auto& [name, value] : headers) request += name + ": " + value + "\r\n";
  if (!connection.send(request + "\r\n")) return std::nullopt;
  const std::string answer = connection.receiveAll();
  const size_t headEnd = answer.find("\r\n\r\n");
  if (answer.rfind("HTTP/1.1 ", 0) != 0 || headEnd == std::string::npos) return std::nullopt;
  HttpReply reply;
  reply.status = std::stoi(answer.substr(9, 3));
  for (size_t line = answer.find("\r\n") + 2; line < headEnd;) {
    const size_t end = answer.find("\r\n", line);
    const size_t colon = answer.find(':', line);
    if (colon < end)
      reply.headers.emplace_back(answer.substr(line, colon - line),
                                 answer.substr(colon + 2, end - colon - 2));
    line = end + 2;
  }
  reply.body = answer.substr(headEnd + 4);
  const std::string length = reply.header("Content-Length");
  if (!length.empty() && reply.body.size() != std::stoul(length)) return std::nullopt;
  return reply;
}
