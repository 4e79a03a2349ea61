#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace vh::test {

// A small HTTP/1.1 server on 127.0.0.1 and a free port, for code that asks a
// web service. It serves from a thread of its own, so the code under test may
// block the test's thread while it waits for the answer. Stops with the object.
class HttpServer final {
public:
  struct Response final {
    int status = 200;
    QByteArray body;
    // Extra header lines: Content-Type, Location, ...
    QList<std::pair<QByteArray, QByteArray>> headers;
    // Read the request and never answer (held open until the server stops).
    bool silent = false;
  };

  struct Request final {
    QByteArray method;
    QString target;                        // as sent: "/a/b?c=d", or a whole URL through a proxy
    QHash<QByteArray, QByteArray> headers; // names in lower case
  };

  HttpServer();
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  quint16 port() const { return m_port; }
  // "http://127.0.0.1:{port}"
  QString url() const;

  // The answer for a request target: the whole target ("/a?b=c") is looked up
  // first, then its path ("/a"). Targets served by nothing get a 404.
  void serve(const QString& target, Response response);
  // The answer for every target not served otherwise.
  void serveAll(Response response);
  // A file's bytes with the given Content-Type.
  static Response file(const QString& path, const QByteArray& contentType);

  // The requests received so far, in order.
  QList<Request> requests() const;

private:
  void run();
  bool waitReadable(int fd) const;
  // Answers one connection; false when it is to be held open unanswered.
  bool answer(int client);
  Response responseFor(const QString& target) const;

  int m_listener = -1;
  int m_wake[2] = {-1, -1};
  quint16 m_port = 0;
  mutable std::mutex m_mutex;
  QHash<QString, Response> m_routes;
  std::optional<Response> m_fallback;
  QList<Request> m_requests;
  std::thread m_thread;
};

} // namespace vh::test
