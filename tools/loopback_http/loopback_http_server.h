// A small HTTP server on 127.0.0.1, for the tests and the sample playlist
// service: it logs each raw request and answers by the request's path with
// a scenario registered for it, as curl's own test server does. Requests in
// absolute form (as sent to a proxy) are answered by their path too.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lirvane::tools {

// One accepted connection, as a scenario sees it.
class Connection {
 public:
  Connection(int fd, std::string target, const std::atomic<bool>& stopping)
      : fd_(fd), target_(std::move(target)), stopping_(stopping) {}
  // The request's target in origin form: path and query.
  const std::string& target() const { return target_; }
  // Sends bytes as they are; false once the peer is gone.
  bool send(const std::string& bytes);
  // Closes with a TCP reset instead of an orderly close.
  void reset();
  // Waits until the peer closes or the server stops.
  void waitForPeer();

 private:
  int fd_;
  std::string target_;
  const std::atomic<bool>& stopping_;
  bool reset_ = false;
  friend class LoopbackHttpServer;
};

class LoopbackHttpServer {
 public:
  using Scenario = std::function<void(Connection&)>;

  // On a free port, or on `port` when it is given.
  explicit LoopbackHttpServer(int port = 0);
  ~LoopbackHttpServer();

  // Answers requests for `path` (without the query).
  void on(const std::string& path, Scenario scenario);
  int port() const { return port_; }  // 0 when the port could not be had
  std::string origin() const;         // "http://127.0.0.1:port"
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
  // Finished ones are joined at the next accept, so a long-running service
  // keeps no dead threads (and their stacks) around.
  struct ConnectionThread {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };
  std::vector<ConnectionThread> connections_;
};

}  // namespace lirvane::tools
