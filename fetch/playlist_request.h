// The request side of the playlist exchange, and the few texts the fetch
// writes: what the number box becomes in the URL, the song pattern, and how
// a count is written.
//
// All texts are code page 936 bytes; nothing here converts between code
// pages. Pure functions over constants: safe from any thread.
#pragma once

#include "text/text.h"

namespace lirvane {

// The playlist service; the path and query are the service's own.
inline constexpr const char* kPlaylistHost = "qzone-music.qq.com";

// "http://" + the host + "/fcg-bin/cgi_playlist_xml.fcg?uin=".
Text playlistUrlPrefix();

// The text without leading and trailing blanks: the space and the
// ideographic space A1 A1 where a character begins. A lone lead byte at the
// very end is dropped instead of the blanks before it.
Text trimBlanks(const Text& text);

// The prefix followed by the trimmed number, appended as it is (the request
// itself makes it safe for the wire).
Text playlistUrl(const Text& number);

// The number in plain decimal.
Text numberText(int number);

// The expression whose groups 1, 2 and 3 are each song's singer, name and
// address, read with the matcher's default options.
Text songPattern();

}  // namespace lirvane
