// Integer conversions, ASCII string helpers and file-name helpers of the runtime.

#include "platform/sysutils.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace {

char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = FoldCase(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses like the framework's Val: leading blanks, an optional sign, then decimal digits or
// "$"/"0x" followed by hexadecimal digits. Hexadecimal text may use all 32 bits.
bool TryParseInt32(std::string_view text, int32_t& result) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && FoldCase(text[i + 1]) == 'X') {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;
  const uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigitValue(text[i]);
    if (digit < 0 || digit >= base) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  const auto bits = static_cast<uint32_t>(negative ? 0u - magnitude : magnitude);
  result = static_cast<int32_t>(bits);
  return true;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int64_t value, int digits) {
  uint64_t bits = static_cast<uint64_t>(value);
  if (value < 0 && value >= std::numeric_limits<int32_t>::min()) bits &= 0xFFFFFFFFu;
  std::string text;
  do {
    text.insert(text.begin(), "0123456789ABCDEF"[bits & 0xF]);
    bits >>= 4;
  } while (bits != 0);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

int32_t StrToInt(std::string_view text) {
  int32_t result = 0;
  if (!TryParseInt32(text, result)) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  }
  return result;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
  int32_t result = 0;
  return TryParseInt32(text, result) ? result : fallback;
}

std::string UpperCase(std::string_view s) {
  std::string result(s);
  for (char& c : result) c = FoldCase(c);
  return result;
}

std::string LowerCase(std::string_view s) {
  std::string result(s);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto ca = static_cast<unsigned char>(FoldCase(a[i]));
    const auto cb = static_cast<unsigned char>(FoldCase(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

std::string TrimLeft(std::string_view s) {
  size_t first = 0;
  while (first < s.size() && IsBlank(s[first])) ++first;
  return std::string(s.substr(first));
}

std::string TrimRight(std::string_view s) {
  size_t end = s.size();
  while (end > 0 && IsBlank(s[end - 1])) --end;
  return std::string(s.substr(0, end));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

// ---- File names -------------------------------------------------------------------------------

namespace {

// Position just after the last path delimiter (0 when there is none).
size_t NameStart(std::string_view fileName) {
  const size_t delim = fileName.rfind(PathDelim);
  return delim == std::string_view::npos ? 0 : delim + 1;
}

// Position of the extension's dot in the last path component, or npos.
size_t ExtensionDot(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  return (dot == std::string_view::npos || dot < NameStart(fileName)) ? std::string_view::npos
                                                                      : dot;
}

}  // namespace

std::string ExtractFilePath(std::string_view fileName) {
  return std::string(fileName.substr(0, NameStart(fileName)));
}

std::string ExtractFileName(std::string_view fileName) {
  return std::string(fileName.substr(NameStart(fileName)));
}

std::string ExtractFileExt(std::string_view fileName) {
  const size_t dot = ExtensionDot(fileName);
  return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
  return std::string(fileName.substr(0, ExtensionDot(fileName))) + std::string(extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
  std::string result(path);
  if (result.empty() || result.back() != PathDelim) result += PathDelim;
  return result;
}

std::string ExpandFileName(std::string_view fileName) {
  if (fileName.empty()) return std::string();
  std::error_code error;
  const auto absolute = std::filesystem::absolute(std::filesystem::path(fileName), error);
  if (error) return std::string(fileName);
  return absolute.lexically_normal().string();
}

bool FileExists(std::string_view fileName) {
  std::error_code error;
  const auto status = std::filesystem::status(std::filesystem::path(fileName), error);
  return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DirectoryExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

bool DeleteFile(std::string_view fileName) { return ::unlink(std::string(fileName).c_str()) == 0; }
