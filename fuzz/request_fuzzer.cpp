// The request side with any bytes for a number or a URL: trimming, the URL,
// the text of a body, and what goes on the wire. What goes on the wire must
// always be a valid request target.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fetch/playlist_request.h"
#include "fetch/playlist_response.h"
#include "fetch/request_url.h"

using namespace lirvane;

namespace {

// Bytes a request line can carry in its target.
bool isTargetByte(unsigned char c) { return c > 0x20 && c < 0x7F && c != '#'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Text text(bytes);

  Text trimmed = trimBlanks(text);
  // Only the ends change. (Trimming is not idempotent: a lone lead byte at
  // the end goes and the blanks before it stay, for a second trim to take.)
  if (text.bytes().find(trimmed.bytes()) == std::string_view::npos) std::abort();

  Text url = playlistUrl(text);
  if (url.bytes().substr(0, playlistUrlPrefix().size()) != playlistUrlPrefix().bytes()) std::abort();

  for (const Text& candidate : {url, text}) {
    if (auto wire = wireUrl(candidate)) {
      for (char c : *wire) {
        if (!isTargetByte(static_cast<unsigned char>(c))) std::abort();
      }
    }
  }

  Text body = bytesToText(ByteArray(bytes));
  if (body.bytes() != bytes.substr(0, bytes.find('\0'))) std::abort();
  return 0;
}
