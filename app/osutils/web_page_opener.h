// Opening a web page the way the desktop does.
//
// First the desktop's standard way to open a web address (QDesktopServices,
// which asks xdg-open on Linux desktops). When that fails, the command line
// registered for HTML pages (the desktop entry that the XDG MIME
// associations name for text/html) is cut before its file or URL
// placeholder, a blank and the address are appended, and it is started
// detached.
// UI thread only (QDesktopServices).
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace lirvane::gui::osutils {

// True when the page was handed to a program that opens it.
bool openWebPage(const QUrl& address);

// The Exec command line of the desktop entry registered for text/html, as
// the XDG directories list it; nullopt when none is.
std::optional<QString> registeredHtmlCommand();

// `command` cut before its first placeholder (before the opening quote of a
// quoted one), then a blank and the address.
QString commandForAddress(const QString& command, const QString& address);

}  // namespace lirvane::gui::osutils
