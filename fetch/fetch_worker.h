// The fetch: one run reads the number box, downloads that account's
// playlist, lists every song the song pattern finds in it, row by row, and
// ends with the count on the status line; the fetch button is disabled and
// reads "获取中.." meanwhile.
//
// Contract:
// - Runs on a thread of its own, talking to the window only through
//   `view`; the download blocks that thread only.
// - The matcher is the program's one matcher: one fetch at a time (the
//   caller keeps a second out by disabling the button before it starts one).
// - The thread's automation runtime is initialised around the matching.
// - When the window goes away mid-fetch, the fetch stops listing and ends
//   without touching the matcher again.
#pragma once

#include <functional>

#include "fetch/playlist_view.h"
#include "text/text.h"

namespace lirvane {

class RegexMatcher;

// The download: a URL to the response body as text, "" when nothing came.
using Download = std::function<Text(const Text& url)>;

void fetchPlaylist(PlaylistView& view, RegexMatcher& matcher, const Download& download);

}  // namespace lirvane
