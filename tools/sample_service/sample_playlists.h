// What the sample playlist service answers for each account number.
//
// Fixed numbers:
//   100200300  three known songs (the number the window shows at start)
//   10001      five Chinese songs
//   0          an empty answer (status 200, no body)
//   1          an XML document without songs
//   2          ten songs that trickle in, one every 300 ms
//   3          the start of an answer, then nothing until the client leaves
//   4          part of an answer, then a connection reset
//   404, 500   error pages with bodies
// Hostile answers, each with the three sample songs where it has songs:
//   5   the songs, then 100 MB of filler in many chunks
//   6   the songs, then filler without end
//   7   the songs, then one byte a second without end
//   8   headers, then the connection closes
//   9   headers announcing a body that never comes (closed)
//   10  a redirect to itself, without end
//   11  a redirect to a file: address;  12  to an ftp: address
//   13  a status line of garbage
//   14, 15, 16  Content-Length -1, 99999999999999999999 and "12abc"
//   17  the first song, a zero byte, then the rest
//   18  invalid code page 936 (lone lead bytes, 0xFF, a lead byte at the end)
//   19  the songs with CR LF line ends
//   20  the songs around one line of 10 MB holding "<![CDATA[" a million times
// Any other number n: a generated playlist of n % 100001 songs (so 10000
// gives 10,000 songs), in code page 936.
#pragma once

#include <string>
#include <string_view>

#include "tools/loopback_http/loopback_http_server.h"

namespace lirvane::tools {

// The path the playlist service answers.
inline constexpr const char* kPlaylistPath = "/fcg-bin/cgi_playlist_xml.fcg";

// The number in a target's "uin" query parameter; "" when there is none.
std::string uinOf(std::string_view target);

// Answers one request for the playlist of `uin`.
void answerPlaylist(Connection& connection, const std::string& uin);

// Makes `server` answer the playlist path as the sample service does.
void serveSamplePlaylists(LoopbackHttpServer& server);

// Sends this process's HTTP requests through `server` as their proxy (the
// environment's http_proxy, with no_proxy cleared), as the tests, the demo
// and the benchmarks reach the sample service.
void useAsProxy(const LoopbackHttpServer& server);

}  // namespace lirvane::tools
