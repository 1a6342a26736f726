// FloatToStr: the framework's general floating-point text with 15 significant digits.

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/sysutils.h"

namespace {

constexpr int kPrecision = 15;

// The value rounded to kPrecision significant digits: its digits without trailing zeros, and the
// power of ten of the first digit (value = 0.d1d2d3... * 10^(exponent + 1)).
struct TDecimal {
  std::string Digits;
  int Exponent = 0;
};

TDecimal ToDecimal(double magnitude) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*e", kPrecision - 1, magnitude);
  // buffer holds "d.dddddddddddddde[+-]x..."
  TDecimal decimal;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') decimal.Digits += *p;
  }
  decimal.Exponent = std::atoi(p + 1);
  while (decimal.Digits.size() > 1 && decimal.Digits.back() == '0') decimal.Digits.pop_back();
  return decimal;
}

std::string FixedText(const TDecimal& d, char separator) {
  const int integerDigits = d.Exponent + 1;
  if (integerDigits <= 0) {
    return std::string("0") + separator + std::string(-integerDigits, '0') + d.Digits;
  }
  std::string text = d.Digits;
  if (static_cast<int>(text.size()) <= integerDigits) {
    text.append(integerDigits - text.size(), '0');
  } else {
    text.insert(integerDigits, 1, separator);
  }
  return text;
}

std::string ScientificText(const TDecimal& d, char separator) {
  std::string text = d.Digits.substr(0, 1);
  if (d.Digits.size() > 1) text += separator + d.Digits.substr(1);
  return text + 'E' + std::to_string(d.Exponent);
}

}  // namespace

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  const TDecimal d = ToDecimal(std::fabs(value));
  const char separator = FormatSettings().DecimalSeparator;
  // Fixed notation for at most 15 digits before the separator and magnitudes from 0.00001.
  const bool fixed = d.Exponent >= -5 && d.Exponent < kPrecision;
  return (value < 0 ? "-" : "") + (fixed ? FixedText(d, separator) : ScientificText(d, separator));
}
