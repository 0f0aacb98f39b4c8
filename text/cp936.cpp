#include "text/cp936.h"

#include <array>
#include <cstdint>
#include <memory>

#include "port/huge_pages.h"
#include "text/cp936_tables.h"

namespace lirvane {
namespace {

constexpr char16_t kDefaultUnit = u'?';
constexpr std::uint16_t kDefaultCode = '?';

bool isLeadByte(unsigned char byte) {
  return byte >= cp936::kFirstLeadByte && byte <= cp936::kLastLeadByte;
}

// Index of a trail byte among the 190 of a lead byte, or -1.
int trailIndex(unsigned char byte) {
  if (byte < 0x40 || byte == 0x7F || byte == 0xFF) return -1;
  return byte < 0x7F ? byte - 0x40 : byte - 0x41;
}

using EncodeTable = std::array<std::uint16_t, 0x10000>;

// Built once from the decoding tables and the best-fit overrides, in the same
// order as the generator, so that it equals Windows' own table.
std::unique_ptr<const EncodeTable> buildEncodeTable() {
  auto table = std::make_unique<EncodeTable>();
  table->fill(0);
  std::array<bool, 0x10000> mapped{};
  auto map = [&](char16_t unit, std::uint16_t code) {
    if (!mapped[unit]) {
      mapped[unit] = true;
      (*table)[unit] = code;
    }
  };
  for (int byte = 0; byte < 256; ++byte) {
    if (!isLeadByte(static_cast<unsigned char>(byte))) map(cp936::kSingleByte[byte], byte);
  }
  for (int lead = cp936::kFirstLeadByte; lead <= cp936::kLastLeadByte; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      int index = trailIndex(static_cast<unsigned char>(trail));
      if (index < 0) continue;
      map(cp936::kDoubleByte[(lead - cp936::kFirstLeadByte) * cp936::kTrailBytesPerLead + index],
          static_cast<std::uint16_t>(lead << 8 | trail));
    }
  }
  for (std::size_t unit = 0; unit < mapped.size(); ++unit) {
    if (!mapped[unit]) (*table)[unit] = kDefaultCode;
  }
  for (const auto& entry : cp936::kEncodeOverrides) (*table)[entry.unit] = entry.code;
  return table;
}

const EncodeTable& encodeTable() {
  static const std::unique_ptr<const EncodeTable> table = buildEncodeTable();
  return *table;
}

}  // namespace

std::u16string cp936ToUtf16(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  port::adviseHugePages(units.data(), bytes.size() * sizeof(char16_t));
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (!isLeadByte(byte)) {
      units.push_back(cp936::kSingleByte[byte]);
      continue;
    }
    if (i + 1 == bytes.size() || bytes[i + 1] == '\0') {
      units.push_back(kDefaultUnit);
      continue;
    }
    int index = trailIndex(static_cast<unsigned char>(bytes[i + 1]));
    units.push_back(
        index < 0 ? kDefaultUnit
                  : cp936::kDoubleByte[(byte - cp936::kFirstLeadByte) * cp936::kTrailBytesPerLead +
                                       index]);
    ++i;
  }
  return units;
}

std::string utf16ToCp936(std::u16string_view units) {
  const EncodeTable& table = encodeTable();
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t unit : units) {
    std::uint16_t code = table[unit];
    if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
    bytes.push_back(static_cast<char>(code & 0xFF));
  }
  return bytes;
}

}  // namespace lirvane
