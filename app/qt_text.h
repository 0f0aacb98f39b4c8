// Where Texts meet Qt's controls: code page 936 to and from QString, with
// the same table the platform's ANSI controls use, so a text shown and read
// back is what the program wrote.
#pragma once

#include <QString>

#include "text/text.h"

namespace lirvane::gui {

QString toQString(const Text& text);
Text toText(const QString& string);

}  // namespace lirvane::gui
