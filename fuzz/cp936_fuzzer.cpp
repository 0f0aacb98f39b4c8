// Code page 936 both ways, with any input: reading never fails, and what was
// read from valid bytes writes back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/cp936.h"

using namespace lirvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::u16string units = cp936ToUtf16(bytes);
  if (units.size() > bytes.size()) std::abort();
  // Whatever was read writes back as one or two bytes a unit.
  std::string written = utf16ToCp936(units);
  if (written.size() > 2 * units.size()) std::abort();
  // Bytes written by the table are valid: they read back to the same units,
  // except where a unit had no mapping and became "?".
  std::u16string reread = cp936ToUtf16(written);
  std::string again = utf16ToCp936(reread);
  if (again != written) std::abort();

  // The same bytes read as UTF-16 units, written out and read back.
  std::u16string asUnits(reinterpret_cast<const char16_t*>(data), size / 2);
  std::string fromUnits = utf16ToCp936(asUnits);
  if (utf16ToCp936(cp936ToUtf16(fromUnits)) != fromUnits) std::abort();
  return 0;
}
