// Upper-casing of UTF-8 texts by the user's locale.

#include <langinfo.h>
#include <locale.h>
#include <wctype.h>

#include <array>
#include <cstring>

#include "platform/sysutils.h"

namespace {

// One code point decoded from the front of a text, with the bytes it took; 0 bytes when the
// front is not valid UTF-8 (a stray continuation byte, a cut sequence, an overlong form, a
// surrogate or a value beyond U+10FFFF).
struct TDecoded {
  char32_t CodePoint = 0;
  size_t Length = 0;
};

TDecoded DecodeUtf8(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  char32_t codePoint = 0;
  if (lead < 0x80) return {lead, 1};
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    codePoint = (codePoint << 6) | (byte(i) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return {};
  }
  return {codePoint, length};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsUtf8Locale(locale_t locale) {
  const char* codeset = nl_langinfo_l(CODESET, locale);
  return codeset != nullptr &&
         (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

// The user's case rules, read once. ASCII characters are looked up in a table; a locale may still
// map one of them beyond ASCII (the Turkish "i").
class TUpperCaser {
 public:
  TUpperCaser() {
    FLocale = newlocale(LC_CTYPE_MASK, "", nullptr);
    if (FLocale == nullptr || !IsUtf8Locale(FLocale)) {
      if (locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)) {
        if (FLocale != nullptr) freelocale(FLocale);
        FLocale = utf8;
      }
    }
    if (FLocale == nullptr) FLocale = newlocale(LC_CTYPE_MASK, "C", nullptr);
    for (char32_t c = 0; c < FAscii.size(); ++c) FAscii[c] = Upper(c);
  }
  TUpperCaser(const TUpperCaser&) = delete;
  TUpperCaser& operator=(const TUpperCaser&) = delete;

  std::string Convert(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
      // Most texts are mostly ASCII: a run that stays ASCII is copied through the table at once.
      size_t run = 0;
      while (run < text.size() && StaysAscii(text[run])) ++run;
      if (run > 0) {
        const size_t start = out.size();
        out.resize(start + run);
        for (size_t i = 0; i < run; ++i) out[start + i] = static_cast<char>(AsciiUpper(text[i]));
        text.remove_prefix(run);
        continue;
      }
      const TDecoded decoded = DecodeUtf8(text);
      if (decoded.Length == 0) {
        out += text.front();
        text.remove_prefix(1);
        continue;
      }
      AppendUtf8(out,
                 decoded.CodePoint < 0x80 ? FAscii[decoded.CodePoint] : Upper(decoded.CodePoint));
      text.remove_prefix(decoded.Length);
    }
    return out;
  }

 private:
  char32_t AsciiUpper(char c) const { return FAscii[static_cast<unsigned char>(c)]; }
  bool StaysAscii(char c) const {
    return static_cast<unsigned char>(c) < 0x80 && AsciiUpper(c) < 0x80;
  }
  char32_t Upper(char32_t c) const {
    if (FLocale == nullptr) return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
    const wint_t upper = towupper_l(static_cast<wint_t>(c), FLocale);
    // Only a real code point that is no surrogate replaces the letter.
    if (upper > 0x10FFFF || (upper >= 0xD800 && upper <= 0xDFFF)) return c;
    return static_cast<char32_t>(upper);
  }

  locale_t FLocale = nullptr;
  std::array<char32_t, 0x80> FAscii{};
};

}  // namespace

std::string AnsiUpperCase(std::string_view s) {
  // Kept for the whole run, as the locale conventions are.
  static const auto* caser = new TUpperCaser();
  return caser->Convert(s);
}
