// FormatDateTime: expands the framework's date-time format codes.

#include <algorithm>

#include "platform/datetime.h"

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// The hours use the 12-hour clock when the format (outside its quoted text) holds an AM/PM code.
bool UsesTwelveHourClock(std::string_view format) {
  char quote = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (UpperAscii(c) == 'A') {
      const std::string_view rest = format.substr(i);
      if (StartsWithText(rest, "am/pm") || StartsWithText(rest, "a/p") ||
          StartsWithText(rest, "ampm")) {
        return true;
      }
    }
  }
  return false;
}

class TDateTimeFormatter {
 public:
  TDateTimeFormatter(TDateTime value, const TFormatSettings& settings) : FSettings(settings) {
    DecodeDate(value, FYear, FMonth, FDay);
    DecodeTime(value, FHour, FMinute, FSecond, FMSec);
    FDayOfWeek = DayOfWeek(value);
  }

  // Formats the short and long formats of the settings one level deep only, so that a format
  // that names itself cannot recurse without end.
  void Append(std::string_view format, int depth) {
    if (depth > 1) return;
    const bool twelveHour = UsesTwelveHourClock(format);
    char lastCode = ' ';
    size_t pos = 0;
    while (pos < format.size()) {
      const char starter = format[pos];
      const std::string_view rest = format.substr(pos);
      const char code = UpperAscii(starter);
      const size_t count = RunLength(rest);
      const bool minutes = code == 'M' && lastCode == 'H' && count <= 2;
      if (code >= 'A' && code <= 'Z') lastCode = minutes ? 'N' : code;
      size_t used = count;  // a code takes its whole run of letters
      switch (code) {
        case 'Y':
          AppendNumber(count <= 2 ? FYear % 100 : FYear, count <= 2 ? 2 : 4);
          break;
        case 'M':
          if (minutes) {
            AppendNumber(FMinute, count);
          } else if (count <= 2) {
            AppendNumber(FMonth, count);
          } else {
            AppendName(count == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames, FMonth,
                       12);
          }
          break;
        case 'D':
          AppendDayCode(count, depth);
          break;
        case 'H':
          AppendNumber(twelveHour ? (FHour + 11) % 12 + 1 : FHour, std::min<size_t>(count, 2));
          break;
        case 'N':
          AppendNumber(FMinute, std::min<size_t>(count, 2));
          break;
        case 'S':
          AppendNumber(FSecond, std::min<size_t>(count, 2));
          break;
        case 'Z':
          AppendNumber(FMSec, count < 3 ? 1 : 3);
          break;
        case 'T':
          Append(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, depth + 1);
          break;
        case 'C':
          Append(FSettings.ShortDateFormat, depth + 1);
          if (FHour != 0 || FMinute != 0 || FSecond != 0) {
            FResult += ' ';
            Append(FSettings.LongTimeFormat, depth + 1);
          }
          break;
        case 'A':
          used = AppendAmPm(rest);
          break;
        case '"':
        case '\'':
          used = AppendQuoted(rest);
          break;
        default:
          used = 1;
          AppendLiteral(starter);
      }
      pos += used;
    }
  }

  const std::string& Result() const { return FResult; }

 private:
  // The length of the run of the same letter (either case) that begins `rest`; 1 for others.
  static size_t RunLength(std::string_view rest) {
    const char code = UpperAscii(rest[0]);
    if (code < 'A' || code > 'Z') return 1;
    size_t n = 1;
    while (n < rest.size() && UpperAscii(rest[n]) == code) ++n;
    return n;
  }

  void AppendNumber(int value, size_t minDigits) {
    const std::string digits = std::to_string(value);
    if (digits.size() < minDigits) FResult.append(minDigits - digits.size(), '0');
    FResult += digits;
  }

  // Names are indexed from 1; an undecodable value has no name.
  void AppendName(const std::string* names, int index, int count) {
    if (index >= 1 && index <= count) FResult += names[index - 1];
  }

  void AppendDayCode(size_t count, int depth) {
    switch (count) {
      case 1:
      case 2:
        AppendNumber(FDay, count);
        break;
      case 3:
        AppendName(FSettings.ShortDayNames, FDayOfWeek, 7);
        break;
      case 4:
        AppendName(FSettings.LongDayNames, FDayOfWeek, 7);
        break;
      case 5:
        Append(FSettings.ShortDateFormat, depth + 1);
        break;
      default:
        Append(FSettings.LongDateFormat, depth + 1);
    }
  }

  // Handles an "a" at the start of `rest`; answers how many characters it used. "am/pm" and
  // "a/p" show the half of the code itself that applies, keeping its letter case; "ampm" shows
  // the settings' texts. Any other "a" is literal text.
  size_t AppendAmPm(std::string_view rest) {
    const bool afternoon = FHour >= 12;
    if (StartsWithText(rest, "am/pm")) {
      FResult.append(rest.substr(afternoon ? 3 : 0, 2));
      return 5;
    }
    if (StartsWithText(rest, "a/p")) {
      FResult += rest[afternoon ? 2 : 0];
      return 3;
    }
    if (StartsWithText(rest, "ampm")) {
      FResult += afternoon ? FSettings.TimePMString : FSettings.TimeAMString;
      return 4;
    }
    FResult += rest[0];
    return 1;
  }

  // Copies the text between the quotation mark that begins `rest` and its partner (or the end);
  // answers how many characters that used.
  size_t AppendQuoted(std::string_view rest) {
    const size_t close = rest.find(rest[0], 1);
    if (close == std::string_view::npos) {
      FResult.append(rest.substr(1));
      return rest.size();
    }
    FResult.append(rest.substr(1, close - 1));
    return close + 1;
  }

  void AppendLiteral(char c) {
    if (c == '/') {
      if (FSettings.DateSeparator != '\0') FResult += FSettings.DateSeparator;
    } else if (c == ':') {
      if (FSettings.TimeSeparator != '\0') FResult += FSettings.TimeSeparator;
    } else {
      FResult += c;
    }
  }

  const TFormatSettings& FSettings;
  int FYear = 0, FMonth = 0, FDay = 0, FDayOfWeek = 0;
  int FHour = 0, FMinute = 0, FSecond = 0, FMSec = 0;
  std::string FResult;
};

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TFormatSettings& settings) {
  TDateTimeFormatter formatter(value, settings);
  formatter.Append(format.empty() ? "c" : format, 0);
  return formatter.Result();
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
  return FormatDateTime(format, value, FormatSettings());
}
