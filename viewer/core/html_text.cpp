// HTML escaping with repair of the encoding: the output is always valid UTF-8 without markup.

#include "viewer/core/html_text.h"

#include "platform/utf8.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// A C1 control character: shown as the replacement character, as the C0 ones are.
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

}  // namespace

std::string HtmlText(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    switch (b) {
      case '&':
        out += "&amp;";
        continue;
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '"':
        out += "&quot;";
        continue;
      case '\'':
        out += "&#39;";
        continue;
      case '\t':
      case '\n':
      case '\r':
        out += ' ';
        continue;
      default:
        break;
    }
    char32_t c = b;
    if (b >= 0x80) {
      const TDecodedUtf8 decoded = DecodeUtf8(bytes.substr(i));
      if (decoded.Length > 0) {
        c = decoded.CodePoint;
        i += decoded.Length - 1;
      }  // else a stray byte, read as Latin-1
    }
    if (IsControl(c)) {
      out += kReplacement;
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}
