#pragma once
// Runtime services of the host framework: the exception hierarchy, the locale's number and date
// conventions, text formatting (Format, FloatToStr) and the string and file-name helpers that the
// rest of the system uses.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// ---- Exceptions -------------------------------------------------------------------------------

// Base of every failure the platform and the system raise. ClassName() names the exception's
// class as a log record shows it.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string FMessage;
};

#define PLATFORM_EXCEPTION_CLASS(Name, Base)                         \
  class Name : public Base {                                         \
   public:                                                           \
    using Base::Base;                                                \
    const char* ClassName() const override { return #Name; }        \
  }

PLATFORM_EXCEPTION_CLASS(EConvertError, Exception);
PLATFORM_EXCEPTION_CLASS(EListError, Exception);
PLATFORM_EXCEPTION_CLASS(EStringListError, Exception);
PLATFORM_EXCEPTION_CLASS(EStreamError, Exception);
PLATFORM_EXCEPTION_CLASS(EFCreateError, EStreamError);
PLATFORM_EXCEPTION_CLASS(EFOpenError, EStreamError);
PLATFORM_EXCEPTION_CLASS(EReadError, EStreamError);
PLATFORM_EXCEPTION_CLASS(EWriteError, EStreamError);
PLATFORM_EXCEPTION_CLASS(EPackageError, Exception);

// A failure that carries a numeric error code (file input/output, operating-system calls).
class ECodedError : public Exception {
 public:
  ECodedError(std::string message, int32_t errorCode)
      : Exception(std::move(message)), FErrorCode(errorCode) {}
  int32_t ErrorCode() const { return FErrorCode; }

 private:
  int32_t FErrorCode;
};

PLATFORM_EXCEPTION_CLASS(EInOutError, ECodedError);
PLATFORM_EXCEPTION_CLASS(EWin32Error, ECodedError);
PLATFORM_EXCEPTION_CLASS(EOleSysError, ECodedError);

// An automation failure: a result code and the name of the source that raised it.
class EOleException : public EOleSysError {
 public:
  EOleException(std::string message, int32_t errorCode, std::string source)
      : EOleSysError(std::move(message), errorCode), FSource(std::move(source)) {}
  const char* ClassName() const override { return "EOleException"; }
  const std::string& Source() const { return FSource; }

 private:
  std::string FSource;
};

#undef PLATFORM_EXCEPTION_CLASS

// ---- Locale conventions -----------------------------------------------------------------------

// The user's conventions for numbers, dates and times, in the framework's format codes.
struct TFormatSettings {
  char DecimalSeparator = '.';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortDateFormat = "m/d/yy";
  std::string LongDateFormat = "dddd, mmmm d, yyyy";
  std::string ShortTimeFormat = "h:nn";
  std::string LongTimeFormat = "h:nn:ss";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string ShortMonthNames[12];
  std::string LongMonthNames[12];
  std::string ShortDayNames[7];  // Sunday first
  std::string LongDayNames[7];   // Sunday first
};

// The process-wide settings, read from the user's locale (LC_TIME, LC_NUMERIC) on first use.
// Tests may change them.
TFormatSettings& FormatSettings();

// Settings read from the named locale ("" = the user's locale from the environment); falls back to
// the "C" locale's when the named one is not installed.
TFormatSettings LocaleFormatSettings(const char* localeName);

// Translates a strftime-style format (as the C library's locale data gives it, "%d/%m/%Y") into
// the framework's format codes ("dd/mm/yyyy").
std::string TranslateStrftimeFormat(std::string_view strftimeFormat);

// ---- Formatting -------------------------------------------------------------------------------

// One argument of Format: an integer, a string or an untyped address.
struct TFormatPointer {
  uint32_t Address;
};
using TFormatArg = std::variant<int64_t, std::string, TFormatPointer>;

// The framework's Format: %s, %d, %u, %x, %p (eight upper-case hexadecimal digits) with optional
// "-", width and precision ("%.4x" gives at least four lower-case digits, %X upper-case ones); "%%"
// is a percent sign. %u and %x show a negative integer that fits 32 bits as its 32-bit pattern.
// A directive whose argument is missing or of the wrong type raises EConvertError.
std::string FormatArgs(std::string_view format, const std::vector<TFormatArg>& args);

namespace format_detail {
inline TFormatArg ToArg(const std::string& s) { return s; }
inline TFormatArg ToArg(std::string_view s) { return std::string(s); }
inline TFormatArg ToArg(const char* s) { return std::string(s); }
inline TFormatArg ToArg(TFormatPointer p) { return p; }
template <typename T>
  requires std::is_integral_v<T>
inline TFormatArg ToArg(T v) {
  return static_cast<int64_t>(v);
}
}  // namespace format_detail

template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatArgs(format, {format_detail::ToArg(args)...});
}

// General floating-point text: at most 15 significant digits, no trailing zeros, the locale's
// decimal separator; scientific notation ("1.5E-7", "1E20") outside the fixed range.
std::string FloatToStr(double value);

std::string IntToStr(int64_t value);
// Upper-case hexadecimal, at least `digits` digits; a negative value that fits 32 bits shows its
// 32-bit pattern ("FFFFFFFF" for -1).
std::string IntToHex(int64_t value, int digits);
// Decimal (or "$"/"0x" hexadecimal) text to integer; raises EConvertError when it is not one.
int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t fallback);

// ---- Strings (8-bit, ASCII case folding) ------------------------------------------------------

std::string UpperCase(std::string_view s);
// Upper-cases a UTF-8 text by the case rules of the user's locale (LC_CTYPE), so that "é" becomes
// "É"; bytes that are not valid UTF-8 are kept as they are. The text is taken as UTF-8 whatever
// the locale's own character set: under a locale without one (the plain "C" locale) the rules of
// "C.UTF-8" apply, which upper-case every letter that has a single upper-case form.
std::string AnsiUpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// <0, 0, >0 comparing with letter case ignored.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// ---- File names -------------------------------------------------------------------------------

constexpr char PathDelim = '/';
std::string ExtractFilePath(std::string_view fileName);  // with its trailing delimiter
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);  // with its dot, or empty
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExpandFileName(std::string_view fileName);
bool FileExists(std::string_view fileName);
bool DirectoryExists(std::string_view path);
bool DeleteFile(std::string_view fileName);
