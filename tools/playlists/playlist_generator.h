// Generated playlists in code page 936, shaped as the playlist service
// answers: three lines per song, singer, name and address in CDATA sections.
#pragma once

#include <string>

namespace lirvane::tools {

// `songs` songs, half with Chinese and half with ASCII names and singers;
// the same count always gives the same bytes.
std::string generatePlaylist(int songs);

}  // namespace lirvane::tools
