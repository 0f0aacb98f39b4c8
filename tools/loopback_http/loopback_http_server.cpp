#include "tools/loopback_http/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace lirvane::tools {
namespace {
constexpr int kPollMs = 50;
}

bool Connection::send(const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

void Connection::reset() {
  linger hard{1, 0};
  setsockopt(fd_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  reset_ = true;
}

void Connection::waitForPeer() {
  char byte;
  while (!stopping_) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, kPollMs) > 0 && recv(fd_, &byte, 1, 0) <= 0) return;
  }
}

LoopbackHttpServer::LoopbackHttpServer(int port) {
  listenFd_ = socket(AF_INET, SOCK_STREAM, 0);
  int reuse = 1;
  setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listenFd_, 64) != 0) {
    acceptThread_ = std::thread([] {});
    return;
  }
  socklen_t length = sizeof address;
  getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  acceptThread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  stopping_ = true;
  acceptThread_.join();
  close(listenFd_);
  std::vector<ConnectionThread> connections;
  {
    std::lock_guard lock(mutex_);
    connections.swap(connections_);
  }
  for (auto& connection : connections) connection.thread.join();
}

void LoopbackHttpServer::on(const std::string& path, Scenario scenario) {
  std::lock_guard lock(mutex_);
  scenarios_[path] = std::move(scenario);
}

std::string LoopbackHttpServer::origin() const {
  return "http://127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> LoopbackHttpServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string LoopbackHttpServer::response(const std::string& status, const std::string& headers,
                                         const std::string& body) {
  return "HTTP/1.0 " + status + "\r\n" + headers + "\r\n" + body;
}

void LoopbackHttpServer::serve() {
  while (!stopping_) {
    pollfd p{listenFd_, POLLIN, 0};
    if (poll(&p, 1, kPollMs) <= 0) continue;
    int fd = accept(listenFd_, nullptr, nullptr);
    if (fd < 0) continue;
    std::lock_guard lock(mutex_);
    std::erase_if(connections_, [](ConnectionThread& connection) {
      if (!*connection.finished) return false;
      connection.thread.join();
      return true;
    });
    auto finished = std::make_shared<std::atomic<bool>>(false);
    connections_.push_back({std::thread([this, fd, finished] {
                              handle(fd);
                              *finished = true;
                            }),
                            finished});
  }
}

void LoopbackHttpServer::handle(int fd) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && !stopping_) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, kPollMs) <= 0) continue;
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<std::size_t>(n));
  }
  // The path of the request target, in origin or absolute form.
  std::size_t targetStart = request.find(' ') + 1;
  std::string target = request.substr(targetStart, request.find(' ', targetStart) - targetStart);
  if (target.starts_with("http://")) target.erase(0, target.find('/', 7));
  std::string path = target.substr(0, target.find('?'));
  Scenario scenario;
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (auto it = scenarios_.find(path); it != scenarios_.end()) scenario = it->second;
  }
  Connection connection(fd, target, stopping_);
  if (scenario) {
    scenario(connection);
  } else {
    connection.send(response("404 Not Found", "", "no scenario for " + path));
  }
  close(fd);
}

}  // namespace lirvane::tools
