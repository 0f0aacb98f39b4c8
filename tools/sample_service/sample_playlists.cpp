#include "tools/sample_service/sample_playlists.h"

#include <stdlib.h>

#include <chrono>
#include <thread>
#include <vector>

#include "text/utf8.h"
#include "tools/playlists/playlist_generator.h"

namespace lirvane::tools {
namespace {

struct Song {
  std::u8string singer, name, address;
};

std::string bytes(std::u8string_view utf8) { return std::string(textFromUtf8(utf8).bytes()); }

std::string songLines(const Song& song) {
  return "<xsinger_name><![CDATA[" + bytes(song.singer) +
         " ]]></xsinger_name>\n<xsong_name><![CDATA[" + bytes(song.name) +
         " ]]></xsong_name>\n<xsong_url><![CDATA[" + bytes(song.address) + " ]]></xsong_url>\n";
}

const std::string kHead = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<playlist>\n";
const std::string kTail = "</playlist>\n";

std::string playlistOf(const std::vector<Song>& songs) {
  std::string body = kHead;
  for (const Song& song : songs) body += songLines(song);
  return body + kTail;
}

std::string ok(const std::string& body) {
  return LoopbackHttpServer::response("200 OK",
                                      "Content-Type: text/xml; charset=GB2312\r\nContent-Length: " +
                                          std::to_string(body.size()) + "\r\n",
                                      body);
}

const std::vector<Song> kSampleSongs = {
    {u8"周杰伦", u8"晴天", u8"http://music.example.com/qingtian.mp3"},
    {u8"Adele", u8"Hello", u8"http://music.example.com/hello.mp3"},
    {u8"", u8"茉莉花", u8"http://music.example.com/molihua.mp3"},
};

const std::vector<Song> kChineseSongs = {
    {u8"王菲", u8"红豆", u8"http://music.example.com/hongdou.mp3"},
    {u8"邓丽君", u8"月亮代表我的心", u8"http://music.example.com/yueliang.mp3"},
    {u8"陈奕迅", u8"十年", u8"http://music.example.com/shinian.mp3"},
    {u8"林俊杰", u8"江南", u8"http://music.example.com/jiangnan.mp3"},
    {u8"孙燕姿", u8"遇见", u8"http://music.example.com/yujian.mp3"},
};

std::string headers(const std::string& status, const std::string& extra = "") {
  return "HTTP/1.0 " + status + "\r\n" + extra + "\r\n";
}

// Sends `filler` after the sample songs until `total` bytes are out (0: no
// end) or the client leaves.
void sendWithFiller(Connection& connection, std::size_t total) {
  std::string songs = kHead;
  for (const Song& song : kSampleSongs) songs += songLines(song);
  if (!connection.send(headers("200 OK") + songs)) return;
  const std::string filler = std::string(64 * 1024 - 1, 'x') + "\n";
  for (std::size_t sent = songs.size(); total == 0 || sent < total; sent += filler.size()) {
    if (!connection.send(filler)) return;
  }
}

// Answers that a real service would never give, to show they do no harm.
bool answerHostile(Connection& connection, int number) {
  const std::string songs = playlistOf(kSampleSongs);
  switch (number) {
    case 5:
      sendWithFiller(connection, 100u * 1024 * 1024);
      return true;
    case 6:
      sendWithFiller(connection, 0);
      return true;
    case 7:
      if (!connection.send(headers("200 OK") + songs)) return true;
      while (connection.send("x")) std::this_thread::sleep_for(std::chrono::seconds(1));
      return true;
    case 8:
      connection.send(headers("200 OK"));
      return true;
    case 9:
      connection.send(headers("200 OK", "Content-Length: 5000\r\n"));
      return true;
    case 10:
      connection.send(
          headers("302 Found", "Location: " + std::string(kPlaylistPath) + "?uin=10\r\n"));
      return true;
    case 11:
      connection.send(headers("302 Found", "Location: file:///etc/passwd\r\n"));
      return true;
    case 12:
      connection.send(headers("302 Found", "Location: ftp://127.0.0.1/x\r\n"));
      return true;
    case 13:
      connection.send("GARBAGE \x01\x02 NOT HTTP\r\n\r\n" + songs);
      return true;
    case 14:
      connection.send(headers("200 OK", "Content-Length: -1\r\n") + songs);
      return true;
    case 15:
      connection.send(headers("200 OK", "Content-Length: 99999999999999999999\r\n") + songs);
      return true;
    case 16:
      connection.send(headers("200 OK", "Content-Length: 12abc\r\n") + songs);
      return true;
    case 17: {
      std::string body = kHead + songLines(kSampleSongs[0]) + std::string(1, '\0') +
                         songLines(kSampleSongs[1]) + kTail;
      connection.send(ok(body));
      return true;
    }
    case 18: {
      std::string body = kHead + "\x81" + songLines(kSampleSongs[0]) + "\xFF\x81\x20" +
                         songLines(kSampleSongs[1]) + "\xFE\x7F" + songLines(kSampleSongs[2]) +
                         kTail + "\x81";
      connection.send(ok(body));
      return true;
    }
    case 19: {
      std::string body = songs;
      for (std::size_t at = body.find('\n'); at != std::string::npos; at = body.find('\n', at + 2))
        body.replace(at, 1, "\r\n");
      connection.send(ok(body));
      return true;
    }
    case 20: {
      std::string line;
      line.reserve(9'000'000);
      for (int i = 0; i < 1'000'000; ++i) line += "<![CDATA[";
      std::string body = kHead + songLines(kSampleSongs[0]) + line + "\n" +
                         songLines(kSampleSongs[1]) + songLines(kSampleSongs[2]) + kTail;
      connection.send(ok(body));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

std::string uinOf(std::string_view target) {
  std::size_t query = target.find('?');
  while (query != std::string_view::npos) {
    std::string_view rest = target.substr(query + 1);
    if (rest.starts_with("uin=")) {
      rest.remove_prefix(4);
      return std::string(rest.substr(0, rest.find('&')));
    }
    query = target.find('&', query + 1);
  }
  return {};
}

void answerPlaylist(Connection& connection, const std::string& uin) {
  if (uin == "100200300") {
    connection.send(ok(playlistOf(kSampleSongs)));
  } else if (uin == "10001") {
    connection.send(ok(playlistOf(kChineseSongs)));
  } else if (uin == "0") {
    connection.send(LoopbackHttpServer::response("200 OK", "Content-Length: 0\r\n", ""));
  } else if (uin == "1") {
    connection.send(ok(kHead + "<error>no such account</error>\n" + kTail));
  } else if (uin == "2") {
    connection.send(LoopbackHttpServer::response("200 OK", "", kHead));
    for (int i = 0; i < 10; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      Song song{u8"歌手", u8"慢歌", u8"http://music.example.com/slow.mp3"};
      if (!connection.send(songLines(song))) return;
    }
    connection.send(kTail);
  } else if (uin == "3") {
    connection.send(LoopbackHttpServer::response("200 OK", "", kHead));
    connection.waitForPeer();
  } else if (uin == "4") {
    connection.send(LoopbackHttpServer::response("200 OK", "Content-Length: 100000\r\n",
                                                 kHead + songLines(kSampleSongs[0])));
    connection.reset();
  } else if (uin == "404") {
    connection.send(LoopbackHttpServer::response("404 Not Found", "Content-Type: text/html\r\n",
                                                 "<html><body>404 Not Found</body></html>"));
  } else if (uin == "500") {
    connection.send(
        LoopbackHttpServer::response("500 Internal Server Error", "Content-Type: text/html\r\n",
                                     "<html><body>" + bytes(u8"服务器错误") + "</body></html>"));
  } else {
    long long number = 0;
    for (char c : uin) {
      if (c < '0' || c > '9') break;
      number = (number * 10 + (c - '0')) % 100001;
    }
    if (uin.size() <= 2 && answerHostile(connection, static_cast<int>(number))) return;
    connection.send(ok(generatePlaylist(static_cast<int>(number))));
  }
}

void serveSamplePlaylists(LoopbackHttpServer& server) {
  server.on(kPlaylistPath, [](Connection& c) { answerPlaylist(c, uinOf(c.target())); });
}

void useAsProxy(const LoopbackHttpServer& server) {
  setenv("http_proxy", server.origin().c_str(), 1);
  unsetenv("no_proxy");
  unsetenv("NO_PROXY");
}

}  // namespace lirvane::tools
