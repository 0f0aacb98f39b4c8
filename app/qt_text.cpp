#include "app/qt_text.h"

#include "text/cp936.h"

namespace lirvane::gui {

QString toQString(const Text& text) {
  std::u16string units = cp936ToUtf16(text);
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

Text toText(const QString& string) {
  return utf16ToText(std::u16string_view(reinterpret_cast<const char16_t*>(string.utf16()),
                                         static_cast<std::size_t>(string.size())));
}

}  // namespace lirvane::gui
