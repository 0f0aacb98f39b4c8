#include "tools/playlists/playlist_generator.h"

#include <random>

namespace lirvane::tools {
namespace {

// A word of `length` GB2312 hanzi (lead B0..D7, trail A1..FE).
std::string chineseWord(std::mt19937& random, int length) {
  std::uniform_int_distribution<int> lead(0xB0, 0xD7);
  std::uniform_int_distribution<int> trail(0xA1, 0xF9);
  std::string word;
  for (int i = 0; i < length; ++i) {
    word.push_back(static_cast<char>(lead(random)));
    word.push_back(static_cast<char>(trail(random)));
  }
  return word;
}

std::string asciiWord(std::mt19937& random, int length) {
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string word;
  for (int i = 0; i < length; ++i) word.push_back(static_cast<char>(letter(random)));
  return word;
}

}  // namespace

std::string generatePlaylist(int songs) {
  std::mt19937 random(static_cast<unsigned>(songs));
  std::string out = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<playlist>\n";
  out.reserve(static_cast<std::size_t>(songs) * 200);
  for (int i = 0; i < songs; ++i) {
    bool chinese = i % 2 == 0;
    std::string singer = chinese ? chineseWord(random, 3) : asciiWord(random, 8);
    std::string name =
        chinese ? chineseWord(random, 5) : asciiWord(random, 12) + " " + asciiWord(random, 6);
    out += "<song><xsinger_name><![CDATA[" + singer + " ]]></xsinger_name>\n";
    out += "<xsong_name><![CDATA[" + name + " ]]></xsong_name>\n";
    out += "<xsong_url><![CDATA[http://music.example.com/" + std::to_string(i) + "/" +
           asciiWord(random, 10) + ".mp3 ]]></xsong_url>\n</song>\n";
  }
  return out + "</playlist>\n";
}

}  // namespace lirvane::tools
