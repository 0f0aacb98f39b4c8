// A small HTTP server for tests, on 127.0.0.1 and a free port: it logs each
// raw request and answers by the request's path with a scenario the test
// registers, as curl's own test server does. Requests in absolute form (as
// sent to a proxy) are answered by their path too.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lirvane::testing {

// One accepted connection, as a scenario sees it.
class Connection {
 public:
  explicit Connection(int fd, const std::atomic<bool>& stopping) : fd_(fd), stopping_(stopping) {}
  // Sends bytes as they are; false once the peer is gone.
  bool send(const std::string& bytes);
  // Closes with a TCP reset instead of an orderly close.
  void reset();
  // Waits until the peer closes or the server stops.
  void waitForPeer();

 private:
  int fd_;
  const std::atomic<bool>& stopping_;
  bool reset_ = false;
  friend class TestHttpServer;
};

class TestHttpServer {
 public:
  using Scenario = std::function<void(Connection&)>;

  TestHttpServer();
  ~TestHttpServer();

  // Answers requests for `path` (without the query).
  void on(const std::string& path, Scenario scenario);
  int port() const { return port_; }
  std::string origin() const;  // "http://127.0.0.1:port"
  std::vector<std::string> requests() const;

  // A whole response: status line, the headers given, a blank line, body.
  static std::string response(const std::string& status, const std::string& headers,
                              const std::string& body);

 private:
  void serve();
  void handle(int fd);

  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread acceptThread_;

  // Guards the scenarios, the request log and the connection threads.
  mutable std::mutex mutex_;
  std::map<std::string, Scenario> scenarios_;
  std::vector<std::string> requests_;
  std::vector<std::thread> connections_;
};

}  // namespace lirvane::testing
