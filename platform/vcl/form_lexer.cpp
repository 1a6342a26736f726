// Tokens of form-file text.

#include "platform/vcl/form_lexer.h"

#include <algorithm>

#include "platform/sysutils.h"
#include "platform/vcl/errors.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsNumberPart(char c) { return IsLetter(c) || IsDigit(c) || c == '.' || c == '$'; }

}  // namespace

bool TFormToken::IsKeyword(std::string_view keyword) const {
  return Kind == TTokenKind::Identifier && SameText(Text, keyword);
}

std::string TFormToken::Describe() const {
  switch (Kind) {
    case TTokenKind::String:
    case TTokenKind::Symbol:
      return FormStringLiteral(Text);
    case TTokenKind::End:
      return "end of text";
    default:
      return Text;
  }
}

std::string FormStringLiteral(std::string_view value) {
  if (value.empty()) return "''";
  std::string text;
  bool quoted = false;
  for (char c : value) {
    auto code = static_cast<unsigned char>(c);
    bool printable = code >= 32 && code < 127;
    if (printable != quoted) {  // opens or closes a quoted run
      text += '\'';
      quoted = printable;
    }
    if (printable)
      text += c == '\'' ? "''" : std::string(1, c);
    else
      text += "#" + std::to_string(code);
  }
  if (quoted) text += '\'';
  return text;
}

TFormLexer::TFormLexer(std::string_view text, std::string sourceName)
    : FText(text), FSourceName(std::move(sourceName)) {
  Next();
}

void TFormLexer::Error(const std::string& reason, int line) const {
  throw EParserError(FSourceName, line, reason);
}

void TFormLexer::SkipBlanks() {
  while (FPos < FText.size()) {
    char c = FText[FPos];
    if (c == '\n')
      ++FLine;
    else if (c != ' ' && c != '\t' && c != '\r')
      return;
    ++FPos;
  }
}

void TFormLexer::Next() {
  SkipBlanks();
  FCurrent = TFormToken{};
  FCurrent.Line = FLine;
  if (FPos >= FText.size()) return;
  char c = FText[FPos];
  if (IsLetter(c)) {
    ReadIdentifier();
  } else if (IsDigit(c) || c == '$' || c == '-' || c == '+') {
    if (c == '+' && (FPos + 1 >= FText.size() || !IsDigit(FText[FPos + 1]))) {
      FCurrent.Kind = TTokenKind::Symbol;  // the operator joining strings
      FCurrent.Text = "+";
      ++FPos;
    } else {
      ReadInteger();
    }
  } else if (c == '\'' || c == '#') {
    ReadString();
  } else if (std::string_view(":=()[],<>").find(c) != std::string_view::npos) {
    FCurrent.Kind = TTokenKind::Symbol;
    FCurrent.Text = std::string(1, c);
    ++FPos;
  } else {
    Error("Invalid character " + FormStringLiteral(std::string(1, c)));
  }
}

void TFormLexer::ReadIdentifier() {
  size_t start = FPos;
  while (FPos < FText.size() &&
         (IsLetter(FText[FPos]) || IsDigit(FText[FPos]) || FText[FPos] == '.'))
    ++FPos;
  FCurrent.Kind = TTokenKind::Identifier;
  FCurrent.Text = std::string(FText.substr(start, FPos - start));
}

void TFormLexer::ReadInteger() {
  size_t start = FPos;
  if (FText[FPos] == '-' || FText[FPos] == '+') ++FPos;
  bool hex = FPos < FText.size() && FText[FPos] == '$';
  if (hex) ++FPos;
  size_t digits = FPos;
  while (FPos < FText.size() && (hex ? IsHexDigit(FText[FPos]) : IsDigit(FText[FPos]))) ++FPos;
  const size_t end = FPos;
  while (FPos < FText.size() && IsNumberPart(FText[FPos])) ++FPos;  // the rest of a bad token
  std::string text(FText.substr(start, FPos - start));
  if (end == digits || end - digits > 10 || FPos != end) Error("Invalid number " + text);
  bool negative = text[0] == '-';
  FCurrent.Kind = TTokenKind::Integer;
  FCurrent.Integer =
      std::stoll(std::string(FText.substr(digits, end - digits)), nullptr, hex ? 16 : 10);
  if (negative) FCurrent.Integer = -FCurrent.Integer;
  FCurrent.Text = text;
}

// A character code after "#": decimal, or hexadecimal after "$".
int TFormLexer::ReadCharCode() {
  const size_t start = FPos;
  ++FPos;  // the '#'
  const bool hex = FPos < FText.size() && FText[FPos] == '$';
  if (hex) ++FPos;
  const size_t digits = FPos;
  int code = 0;
  for (; FPos < FText.size() && (hex ? IsHexDigit(FText[FPos]) : IsDigit(FText[FPos])); ++FPos) {
    const char c = FText[FPos];
    const int digit = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
    code = std::min(code * (hex ? 16 : 10) + digit, 256);  // leading zeros are allowed
  }
  if (FPos == digits || code > 255)
    Error("Invalid character code " + std::string(FText.substr(start, FPos - start)));
  return code;
}

void TFormLexer::ReadString() {
  FCurrent.Kind = TTokenKind::String;
  while (FPos < FText.size()) {
    if (FText[FPos] == '#') {
      FCurrent.Text += static_cast<char>(ReadCharCode());
    } else if (FText[FPos] == '\'') {
      for (++FPos;; ++FPos) {
        if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
          Error("Unterminated string");
        if (FText[FPos] != '\'') {
          FCurrent.Text += FText[FPos];
        } else if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
          FCurrent.Text += '\'';
          ++FPos;
        } else {
          ++FPos;
          break;
        }
      }
    } else {
      return;
    }
  }
}
