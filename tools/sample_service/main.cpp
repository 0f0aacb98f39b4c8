// lirvane-sample-service: a stand-in for the playlist service on 127.0.0.1,
// answering the service's path and query, also in the absolute form a proxy
// receives, so that Lirvane reaches it through http_proxy unchanged.
//   lirvane-sample-service [--port N]   (8936 when not given; 0: any free port)
// Prints the address it serves, then serves until interrupted.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

int main(int argc, char** argv) {
  using namespace lirvane::tools;
  int port = 8936;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--port") == 0) port = std::atoi(argv[i + 1]);
  }
  // Wait for the end on this thread; the server's threads must not take it.
  sigset_t endSignals;
  sigemptyset(&endSignals);
  sigaddset(&endSignals, SIGINT);
  sigaddset(&endSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

  LoopbackHttpServer server(port);
  if (server.port() == 0) {
    std::fprintf(stderr, "lirvane-sample-service: cannot listen on 127.0.0.1:%d\n", port);
    return 1;
  }
  serveSamplePlaylists(server);
  std::printf("http://127.0.0.1:%d\n", server.port());
  std::fflush(stdout);
  int signal = 0;
  sigwait(&endSignals, &signal);
  return 0;
}
