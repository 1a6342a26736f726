// Upper-casing of UTF-8 texts by the user's locale.

#include <langinfo.h>
#include <locale.h>
#include <wctype.h>

#include <array>
#include <cstring>

#include "platform/sysutils.h"
#include "platform/utf8.h"

namespace {

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
      const TDecodedUtf8 decoded = DecodeUtf8(text);
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
