#include "support/httpserver.h"

#include <QFile>
#include <QUrl>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace vh::test {

namespace {

// A client that connects and sends nothing must not stall the server for long.
constexpr int kReadTimeoutMs = 5000;
constexpr qsizetype kMaxRequestBytes = 64 * 1024;

QByteArray reasonPhrase(int status) {
  switch (status) {
  case 200: return "OK";
  case 301: return "Moved Permanently";
  case 302: return "Found";
  case 404: return "Not Found";
  case 500: return "Internal Server Error";
  case 503: return "Service Unavailable";
  default: return "Status";
  }
}

void sendAll(int fd, const QByteArray& data) {
  qsizetype sent = 0;
  while (sent < data.size()) {
    const ssize_t n = ::send(fd, data.constData() + sent, static_cast<size_t>(data.size() - sent), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return;
    sent += n;
  }
}

// The path of a target, for a plain "/a?b" as for "http://host/a?b" through a proxy.
QString pathOf(const QString& target) {
  if (target.startsWith(u'/'))
    return target.section(u'?', 0, 0);
  return QUrl(target).path();
}

} // namespace

HttpServer::HttpServer() {
  m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0; // the system picks a free port
  socklen_t length = sizeof address;
  if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(m_listener, 16) != 0 || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      ::pipe2(m_wake, O_CLOEXEC) != 0)
    qFatal("cannot start the test HTTP server: %s", strerror(errno));
  m_port = ntohs(address.sin_port);
  m_thread = std::thread([this] { run(); });
}

HttpServer::~HttpServer() {
  const char stop = 's';
  [[maybe_unused]] const ssize_t written = ::write(m_wake[1], &stop, 1);
  m_thread.join();
  ::close(m_listener);
  ::close(m_wake[0]);
  ::close(m_wake[1]);
}

QString HttpServer::url() const {
  return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void HttpServer::serve(const QString& target, Response response) {
  const std::lock_guard lock(m_mutex);
  m_routes.insert(target, std::move(response));
}

void HttpServer::serveAll(Response response) {
  const std::lock_guard lock(m_mutex);
  m_fallback = std::move(response);
}

HttpServer::Response HttpServer::file(const QString& path, const QByteArray& contentType) {
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly))
    qFatal("cannot read the test file %s", qPrintable(path));
  return Response{200, source.readAll(), {{"Content-Type", contentType}}, false};
}

QList<HttpServer::Request> HttpServer::requests() const {
  const std::lock_guard lock(m_mutex);
  return m_requests;
}

HttpServer::Response HttpServer::responseFor(const QString& target) const {
  const std::lock_guard lock(m_mutex);
  if (const auto exact = m_routes.constFind(target); exact != m_routes.cend())
    return *exact;
  if (const auto byPath = m_routes.constFind(pathOf(target)); byPath != m_routes.cend())
    return *byPath;
  return m_fallback.value_or(Response{404, "Not Found", {{"Content-Type", "text/plain"}}, false});
}

// Waits for data on fd; false on a timeout or when the server is stopping.
bool HttpServer::waitReadable(int fd) const {
  pollfd fds[2] = {{fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
  for (;;) {
    const int ready = ::poll(fds, 2, fd == m_listener ? -1 : kReadTimeoutMs);
    if (ready < 0 && errno == EINTR)
      continue;
    return ready > 0 && !(fds[1].revents & POLLIN) && fds[0].revents;
  }
}

void HttpServer::run() {
  std::vector<int> held;
  while (waitReadable(m_listener)) {
    const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0)
      continue;
    if (answer(client))
      ::close(client);
    else
      held.push_back(client);
  }
  for (const int client : held)
    ::close(client);
}

bool HttpServer::answer(int client) {
  QByteArray head;
  while (!head.contains("\r\n\r\n") && head.size() < kMaxRequestBytes && waitReadable(client)) {
    char buffer[4096];
    const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
    if (n <= 0)
      return true;
    head.append(buffer, n);
  }
  const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
  const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
  if (requestLine.size() < 3)
    return true;
  Request request{requestLine[0], QString::fromUtf8(requestLine[1]), {}};
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const qsizetype colon = lines[i].indexOf(':');
    if (colon > 0)
      request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
  }
  {
    const std::lock_guard lock(m_mutex);
    m_requests.append(request);
  }

  const Response response = responseFor(request.target);
  if (response.silent)
    return false;
  QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
  for (const auto& [name, value] : response.headers)
    out += name + ": " + value + "\r\n";
  out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n";
  if (request.method != "HEAD")
    out += response.body;
  sendAll(client, out);
  ::shutdown(client, SHUT_WR);
  return true;
}

} // namespace vh::test
