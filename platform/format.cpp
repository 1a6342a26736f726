// The framework's Format: printf-like directives over a list of typed arguments.

#include <limits>

#include "platform/sysutils.h"

namespace {

// One parsed directive: %[-][width][.precision]type
struct TDirective {
  bool LeftJustify = false;
  int Width = 0;
  int Precision = -1;  // -1: none given
  char Type = 0;
};

[[noreturn]] void RaiseInvalid(std::string_view format) {
  throw EConvertError("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

int ParseNumber(std::string_view format, size_t& pos) {
  int value = 0;
  while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
    if (value > 100000) RaiseInvalid(format);  // no field is ever this wide
    value = value * 10 + (format[pos++] - '0');
  }
  return value;
}

// Parses the directive after a '%' at `pos`; leaves `pos` after its type letter.
TDirective ParseDirective(std::string_view format, size_t& pos) {
  TDirective d;
  if (pos < format.size() && format[pos] == '-') {
    d.LeftJustify = true;
    ++pos;
  }
  d.Width = ParseNumber(format, pos);
  if (pos < format.size() && format[pos] == '.') {
    ++pos;
    d.Precision = ParseNumber(format, pos);
  }
  if (pos == format.size()) RaiseInvalid(format);
  d.Type = format[pos++];
  return d;
}

// Negative integers that fit 32 bits are taken as the 32-bit unsigned value, as the framework's
// 32-bit integers are.
uint64_t AsUnsigned(int64_t value) {
  auto bits = static_cast<uint64_t>(value);
  if (value < 0 && value >= std::numeric_limits<int32_t>::min()) bits &= 0xFFFFFFFFu;
  return bits;
}

std::string PadDigits(std::string digits, int precision) {
  if (static_cast<int>(digits.size()) < precision) digits.insert(0, precision - digits.size(), '0');
  return digits;
}

template <typename T>
const T& ArgumentAs(std::string_view format, const std::vector<TFormatArg>& args, size_t index) {
  if (index >= args.size() || !std::holds_alternative<T>(args[index])) RaiseInvalid(format);
  return std::get<T>(args[index]);
}

std::string Convert(std::string_view format, const TDirective& d,
                    const std::vector<TFormatArg>& args, size_t index) {
  switch (d.Type) {
    case 's':
    case 'S': {
      const std::string& s = ArgumentAs<std::string>(format, args, index);
      return d.Precision >= 0 ? s.substr(0, d.Precision) : s;
    }
    case 'd':
    case 'D': {
      const int64_t value = ArgumentAs<int64_t>(format, args, index);
      const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : value;
      return (value < 0 ? "-" : "") + PadDigits(std::to_string(magnitude), d.Precision);
    }
    case 'u':
    case 'U':
      return PadDigits(std::to_string(AsUnsigned(ArgumentAs<int64_t>(format, args, index))),
                       d.Precision);
    case 'x':
      return LowerCase(IntToHex(ArgumentAs<int64_t>(format, args, index), d.Precision));
    case 'X':
      return IntToHex(ArgumentAs<int64_t>(format, args, index), d.Precision);
    case 'p':
    case 'P':
      return IntToHex(ArgumentAs<TFormatPointer>(format, args, index).Address, 8);
    default:
      RaiseInvalid(format);
  }
}

}  // namespace

std::string FormatArgs(std::string_view format, const std::vector<TFormatArg>& args) {
  std::string result;
  size_t nextArg = 0;
  size_t pos = 0;
  while (pos < format.size()) {
    const char c = format[pos++];
    if (c != '%') {
      result += c;
      continue;
    }
    if (pos < format.size() && format[pos] == '%') {
      result += '%';
      ++pos;
      continue;
    }
    const TDirective d = ParseDirective(format, pos);
    std::string text = Convert(format, d, args, nextArg++);
    if (static_cast<int>(text.size()) < d.Width) {
      const std::string padding(d.Width - text.size(), ' ');
      text = d.LeftJustify ? text + padding : padding + text;
    }
    result += text;
  }
  return result;
}
