// The user's number and date conventions, read from the C library's locale data and translated
// into the framework's format codes.

#include <langinfo.h>
#include <locale.h>

#include "platform/sysutils.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Appends literal text so that FormatDateTime copies it unchanged: letters go between double
// quotes (they could be format codes), a quotation mark between the other kind of quotes.
void AppendLiteral(std::string& out, char c) {
  if (c == '"') {
    out += "'\"'";
  } else if (c == '\'') {
    out += "\"'\"";
  } else if (!IsAsciiLetter(c)) {
    out += c;
  } else if (out.size() >= 2 && out.back() == '"' && IsAsciiLetter(out[out.size() - 2])) {
    out.insert(out.size() - 1, 1, c);  // extend the quoted run just written
  } else {
    out += '"';
    out += c;
    out += '"';
  }
}

// The framework's codes for one strftime conversion; empty for conversions it cannot express.
std::string_view CodesFor(char conversion) {
  switch (conversion) {
    case 'd':
      return "dd";
    case 'e':
      return "d";
    case 'm':
      return "mm";
    case 'y':
      return "yy";
    case 'Y':
      return "yyyy";
    case 'H':
      return "hh";
    case 'k':
      return "h";
    case 'I':
      return "hh";
    case 'l':
      return "h";
    case 'M':
      return "nn";
    case 'S':
      return "ss";
    case 'p':
      return "ampm";
    case 'b':
    case 'h':
      return "mmm";
    case 'B':
      return "mmmm";
    case 'a':
      return "ddd";
    case 'A':
      return "dddd";
    case 'D':
      return "mm/dd/yy";
    case 'F':
      return "yyyy-mm-dd";
    case 'T':
      return "hh:nn:ss";
    case 'R':
      return "hh:nn";
    case 'r':
      return "hh:nn:ss ampm";
    default:
      return "";
  }
}

// Time and zone conversions, which a date-only format leaves out.
bool IsTimeConversion(char conversion) {
  return std::string_view("HIklMSprRTXZzP").find(conversion) != std::string_view::npos;
}

// The long date format: the date and time format without its time and zone parts (and the
// literal text that belongs to them, such as the separators between hours and minutes).
std::string DatePartOf(std::string_view dateTimeFormat) {
  std::string result;
  bool droppingLiteral = false;
  for (size_t i = 0; i < dateTimeFormat.size(); ++i) {
    const char c = dateTimeFormat[i];
    if (c == '%' && i + 1 < dateTimeFormat.size()) {
      droppingLiteral = IsTimeConversion(dateTimeFormat[i + 1]);
      if (!droppingLiteral) result.append(dateTimeFormat.substr(i, 2));
      ++i;
    } else if (c == ' ') {
      droppingLiteral = false;
      if (!result.empty() && result.back() != ' ') result += c;
    } else if (!droppingLiteral) {
      result += c;
    }
  }
  while (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

// The first character of a translated format that is neither a code letter nor quoted.
char FirstSeparator(std::string_view format, char fallback) {
  char quote = 0;
  for (char c : format) {
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (!IsAsciiLetter(c) && c != ' ') {
      return c;
    }
  }
  return fallback;
}

// Makes sure a time format shows seconds, placing them right after the minutes.
std::string WithSeconds(std::string format, char timeSeparator) {
  if (format.find("ss") != std::string::npos) return format;
  const size_t minutes = format.find("nn");
  if (minutes == std::string::npos) return format;
  return format.insert(minutes + 2, std::string(1, timeSeparator) + "ss");
}

TFormatSettings ReadSettings(locale_t locale) {
  const auto item = [locale](nl_item id) { return std::string(nl_langinfo_l(id, locale)); };
  TFormatSettings s;
  const std::string radix = item(RADIXCHAR);
  if (!radix.empty()) s.DecimalSeparator = radix[0];
  s.ShortDateFormat = TranslateStrftimeFormat(item(D_FMT));
  s.LongDateFormat = TranslateStrftimeFormat(DatePartOf(item(D_T_FMT)));
  s.ShortTimeFormat = TranslateStrftimeFormat(item(T_FMT));
  s.DateSeparator = FirstSeparator(s.ShortDateFormat, s.DateSeparator);
  s.TimeSeparator = FirstSeparator(s.ShortTimeFormat, s.TimeSeparator);
  s.LongTimeFormat = WithSeconds(s.ShortTimeFormat, s.TimeSeparator);
  s.TimeAMString = item(AM_STR);
  s.TimePMString = item(PM_STR);
  static constexpr nl_item kShortMonths[12] = {ABMON_1, ABMON_2,  ABMON_3,  ABMON_4,
                                               ABMON_5, ABMON_6,  ABMON_7,  ABMON_8,
                                               ABMON_9, ABMON_10, ABMON_11, ABMON_12};
  static constexpr nl_item kLongMonths[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                              MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
  static constexpr nl_item kShortDays[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4,
                                            ABDAY_5, ABDAY_6, ABDAY_7};
  static constexpr nl_item kLongDays[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = item(kShortMonths[i]);
    s.LongMonthNames[i] = item(kLongMonths[i]);
  }
  for (int i = 0; i < 7; ++i) {  // the C library, too, starts the week on Sunday
    s.ShortDayNames[i] = item(kShortDays[i]);
    s.LongDayNames[i] = item(kLongDays[i]);
  }
  return s;
}

}  // namespace

std::string TranslateStrftimeFormat(std::string_view strftimeFormat) {
  std::string result;
  bool twelveHour = false;
  bool hasAmPm = false;
  for (size_t i = 0; i < strftimeFormat.size(); ++i) {
    const char c = strftimeFormat[i];
    if (c != '%' || i + 1 == strftimeFormat.size()) {
      AppendLiteral(result, c);
      continue;
    }
    char conversion = strftimeFormat[++i];
    // Skip glibc's flags and the alternative-representation modifiers; "-" asks for numbers
    // without padding.
    bool unpadded = false;
    while (i + 1 < strftimeFormat.size() &&
           std::string_view("-_0^#EO").find(conversion) != std::string_view::npos) {
      unpadded = unpadded || conversion == '-';
      conversion = strftimeFormat[++i];
    }
    std::string_view codes = CodesFor(conversion);
    if (unpadded && codes.size() == 2 && codes[0] == codes[1]) codes = codes.substr(0, 1);
    switch (conversion) {
      case '%':
        AppendLiteral(result, '%');
        break;
      case 'n':
        result += '\n';
        break;
      case 't':
        result += '\t';
        break;
      default:
        result += codes;
    }
    twelveHour = twelveHour || conversion == 'I' || conversion == 'l' || conversion == 'r';
    hasAmPm = hasAmPm || conversion == 'p' || conversion == 'r';
  }
  // A 12-hour clock without its marker would show afternoon hours as morning ones.
  if (twelveHour && !hasAmPm) result += " ampm";
  return result;
}

TFormatSettings LocaleFormatSettings(const char* localeName) {
  locale_t locale = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, localeName, nullptr);
  if (locale == nullptr) locale = newlocale(LC_TIME_MASK | LC_NUMERIC_MASK, "C", nullptr);
  TFormatSettings settings = ReadSettings(locale);
  freelocale(locale);
  return settings;
}

TFormatSettings& FormatSettings() {
  // Never destroyed: other units' finalisation may still format text during exit.
  static auto* settings = new TFormatSettings(LocaleFormatSettings(""));
  return *settings;
}
