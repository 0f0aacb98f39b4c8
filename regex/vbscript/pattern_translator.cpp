#include "regex/vbscript/pattern_translator.h"

namespace lirvane::vbscript {
namespace {

constexpr std::u16string_view kWordClass = u"0-9A-Za-z_";
constexpr std::u16string_view kNotWordRanges =
    u"\\u0000-\\u002F\\u003A-\\u0040\\u005B-\\u005E\\u0060\\u007B-\\uFFFF";
constexpr std::u16string_view kDigitRanges = u"0-9";
constexpr std::u16string_view kNotDigitRanges = u"\\u0000-\\u002F\\u003A-\\uFFFF";
constexpr std::u16string_view kSpaceRanges = u"\\t\\n\\u000B\\f\\r ";
constexpr std::u16string_view kNotSpaceRanges = u"\\u0000-\\u0008\\u000E-\\u001F\\u0021-\\uFFFF";
constexpr std::u16string_view kAnyUnit = u"[\\u0000-\\uFFFF]";

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isOctal(char16_t c) { return c >= u'0' && c <= u'7'; }
bool isHex(char16_t c) {
  return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isAsciiAlnum(char16_t c) { return isAsciiLetter(c) || isDigit(c); }

// Escape letters PCRE2 reads in a way the dialect does not; the dialect has
// no such escapes, so a pattern using them is refused rather than silently
// changing meaning.
bool isForeignEscape(char16_t c) {
  return std::u16string_view(u"AaCEeGgHhKkNoPpQRVXZz").find(c) != std::u16string_view::npos;
}

std::u16string unitEscape(unsigned value) {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string out = u"\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHex[(value >> shift) & 0xF]);
  return out;
}

// Counts capturing groups, so that number escapes can be told apart from
// octal ones before the translation proper.
int countGroups(std::u16string_view p) {
  int groups = 0;
  bool inClass = false;
  for (std::size_t i = 0; i < p.size(); ++i) {
    char16_t c = p[i];
    if (c == u'\\') {
      ++i;
    } else if (inClass) {
      if (c == u']') inClass = false;
    } else if (c == u'[') {
      inClass = true;
      if (i + 1 < p.size() && p[i + 1] == u'^') ++i;
      if (i + 1 < p.size() && p[i + 1] == u']')
        ++i;  // [] and [^] are whole classes
      else
        continue;
      inClass = false;
    } else if (c == u'(' && (i + 1 == p.size() || p[i + 1] != u'?')) {
      ++groups;
    }
  }
  return groups;
}

class Translator {
 public:
  Translator(std::u16string_view pattern, bool ignoreCase, bool multiline)
      : p_(pattern),
        ignoreCase_(ignoreCase),
        multiline_(multiline),
        groups_(countGroups(pattern)) {}

  std::optional<TranslatedPattern> run() {
    while (i_ < p_.size()) {
      if (!step()) return std::nullopt;
    }
    return TranslatedPattern{std::move(out_), groups_};
  }

 private:
  bool atEnd() const { return i_ >= p_.size(); }
  char16_t peek(std::size_t ahead = 0) const {
    return i_ + ahead < p_.size() ? p_[i_ + ahead] : u'\0';
  }
  bool has(std::size_t ahead) const { return i_ + ahead < p_.size(); }

  bool step() {
    char16_t c = p_[i_++];
    switch (c) {
      case u'\\':
        return escape();
      case u'.':
        out_ += u"[^\\n]";
        return true;
      case u'^':
        out_ += multiline_ ? u"(?:^|(?<=[\\n\\r]))" : u"^";
        return true;
      case u'$':
        out_ += multiline_ ? u"(?:$|(?=[\\n\\r]))" : u"$";
        return true;
      case u'(':
        return openGroup();
      case u'[':
        return characterClass();
      case u'*':
      case u'+':
      case u'?':
        out_.push_back(c);
        return quantifierTail();
      case u'{':
        return brace();
      default:
        out_.push_back(c);
        return true;
    }
  }

  bool openGroup() {
    if (peek() == u'*') return false;
    if (peek() == u'?') {
      char16_t kind = peek(1);
      if (kind != u':' && kind != u'=' && kind != u'!') return false;
      out_ += u"(?";
      out_.push_back(kind);
      i_ += 2;
      return true;
    }
    out_.push_back(u'(');
    return true;
  }

  // After a quantifier: an optional "?" makes it lazy; a "+" would make it
  // possessive, which the dialect lacks.
  bool quantifierTail() {
    if (peek() == u'?') {
      out_.push_back(u'?');
      ++i_;
    }
    return peek() != u'+';
  }

  // "{n}", "{n,}" and "{n,m}" are quantifiers; any other brace is literal.
  bool brace() {
    std::size_t j = i_;
    auto digits = [&] {
      std::size_t start = j;
      while (j < p_.size() && isDigit(p_[j])) ++j;
      return j > start;
    };
    bool quantifier = digits();
    if (quantifier && j < p_.size() && p_[j] == u',') {
      ++j;
      digits();
    }
    quantifier = quantifier && j < p_.size() && p_[j] == u'}';
    if (!quantifier) {
      out_ += u"\\{";
      return true;
    }
    out_.append(p_.substr(i_ - 1, j + 1 - (i_ - 1)));
    i_ = j + 1;
    return quantifierTail();
  }

  bool escape() {
    if (atEnd()) return false;
    char16_t c = p_[i_++];
    switch (c) {
      case u'd':
        out_ += u"[0-9]";
        return true;
      case u'D':
        out_ += u"[^0-9]";
        return true;
      case u's':
        out_ += u"[\\t\\n\\u000B\\f\\r ]";
        return true;
      case u'S':
        out_ += u"[^\\t\\n\\u000B\\f\\r ]";
        return true;
      case u'w':
        out_ += u"(?-i:[0-9A-Za-z_])";
        return true;
      case u'W':
        out_ += u"(?-i:[^0-9A-Za-z_])";
        return true;
      case u'b':
        out_ += ignoreCase_ ? u"(?-i:(?<![0-9A-Za-z_])(?=[0-9A-Za-z_])|"
                              u"(?<=[0-9A-Za-z_])(?![0-9A-Za-z_]))"
                            : u"\\b";
        return true;
      case u'B':
        out_ += ignoreCase_ ? u"(?-i:(?<=[0-9A-Za-z_])(?=[0-9A-Za-z_])|"
                              u"(?<![0-9A-Za-z_])(?![0-9A-Za-z_]))"
                            : u"\\B";
        return true;
      default:
        break;
    }
    if (c >= u'1' && c <= u'9') {
      std::size_t j = i_;
      long number = c - u'0';
      while (j < p_.size() && isDigit(p_[j]) && number <= groups_)
        number = number * 10 + (p_[j++] - u'0');
      if (number <= groups_) {
        out_ += u"(?:\\g{" + decimal(number) + u"})";
        i_ = j;
        return true;
      }
      if (c >= u'8') {
        out_.push_back(c);
        return true;
      }
    }
    if (isOctal(c)) {
      out_ += unitEscape(octal(c));
      return true;
    }
    return commonEscape(c);
  }

  // Escapes read the same inside and outside a class.
  bool commonEscape(char16_t c) {
    switch (c) {
      case u'f':
      case u'n':
      case u'r':
      case u't':
        out_.push_back(u'\\');
        out_.push_back(c);
        return true;
      case u'v':
        out_ += unitEscape(0x0B);
        return true;
      case u'x':
      case u'u': {
        std::size_t width = c == u'x' ? 2 : 4;
        bool complete = has(width - 1);
        for (std::size_t k = 0; complete && k < width; ++k) complete = isHex(peek(k));
        if (!complete) {
          out_.push_back(c);
          return true;
        }
        unsigned value = 0;
        for (std::size_t k = 0; k < width; ++k) value = value * 16 + hexValue(p_[i_++]);
        out_ += unitEscape(value);
        return true;
      }
      case u'c':
        if (isAsciiLetter(peek())) {
          out_ += unitEscape(p_[i_++] % 32);
        } else {
          out_ += u"\\\\c";
        }
        return true;
      default:
        break;
    }
    if (isForeignEscape(c)) return false;
    if (isAsciiAlnum(c) || c > 0x7F) {
      out_.push_back(c);
    } else {
      out_.push_back(u'\\');
      out_.push_back(c);
    }
    return true;
  }

  // Up to three octal digits, the first already read, worth at most 0377.
  unsigned octal(char16_t first) {
    unsigned value = first - u'0';
    int more = first <= u'3' ? 2 : 1;
    while (more-- > 0 && isOctal(peek())) value = value * 8 + (p_[i_++] - u'0');
    return value;
  }

  static unsigned hexValue(char16_t c) {
    if (isDigit(c)) return c - u'0';
    return (c | 0x20) - u'a' + 10;
  }

  static std::u16string decimal(long n) {
    std::u16string digits;
    do digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
    while ((n /= 10) != 0);
    return digits;
  }

  // A class: its items go into `items`, and the ASCII class escapes whose
  // meaning case folding must not widen go into `asciiItems` when the pattern
  // ignores case.
  bool characterClass() {
    bool negated = peek() == u'^';
    if (negated) ++i_;
    std::u16string items;
    std::u16string asciiItems;
    while (true) {
      if (atEnd()) return false;
      char16_t c = p_[i_++];
      if (c == u']') break;
      if (c == u'[') {
        items += u"\\[";
        continue;
      }
      if (c != u'\\') {
        items.push_back(c);
        continue;
      }
      if (atEnd()) return false;
      c = p_[i_++];
      std::u16string_view ranges;
      switch (c) {
        case u'd':
          ranges = kDigitRanges;
          break;
        case u'D':
          ranges = kNotDigitRanges;
          break;
        case u's':
          ranges = kSpaceRanges;
          break;
        case u'S':
          ranges = kNotSpaceRanges;
          break;
        case u'w':
          ranges = kWordClass;
          break;
        case u'W':
          ranges = kNotWordRanges;
          break;
        default:
          break;
      }
      if (!ranges.empty()) {
        bool word = c == u'w' || c == u'W';
        (word && ignoreCase_ ? asciiItems : items) += ranges;
        continue;
      }
      if (c == u'b') {
        items += unitEscape(0x08);
      } else if (c == u'8' || c == u'9') {
        items.push_back(c);
      } else if (isOctal(c)) {
        items += unitEscape(octal(c));
      } else {
        std::swap(out_, items);
        bool ok = commonEscape(c);
        std::swap(out_, items);
        if (!ok) return false;
      }
    }
    emitClass(negated, items, asciiItems);
    return true;
  }

  void emitClass(bool negated, const std::u16string& items, const std::u16string& asciiItems) {
    if (asciiItems.empty()) {
      if (items.empty()) {
        out_ += negated ? std::u16string(kAnyUnit) : u"(?!)";
      } else {
        out_ += negated ? u"[^" : u"[";
        out_ += items + u"]";
      }
      return;
    }
    std::u16string either = u"(?:(?-i:[" + asciiItems + u"])";
    if (!items.empty()) either += u"|[" + items + u"]";
    either += u")";
    out_ += negated ? u"(?!" + either + u")" + std::u16string(kAnyUnit) : either;
  }

  std::u16string_view p_;
  bool ignoreCase_;
  bool multiline_;
  int groups_;
  std::size_t i_ = 0;
  std::u16string out_;
};

}  // namespace

std::optional<TranslatedPattern> translatePattern(std::u16string_view pattern, bool ignoreCase,
                                                  bool multiline) {
  return Translator(pattern, ignoreCase, multiline).run();
}

}  // namespace lirvane::vbscript
