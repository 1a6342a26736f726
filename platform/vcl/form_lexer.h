#pragma once
// The tokens of form-file text: identifiers (dotted ones too), integers, strings (quoted runs with
// '' for a quote, joined with #nn character codes), and the symbols of the syntax. Every token
// knows its line, and every failure names the source and the line.

#include <cstdint>
#include <string>
#include <string_view>

enum class TTokenKind { Identifier, Integer, String, Symbol, End };

struct TFormToken {
  TTokenKind Kind = TTokenKind::End;
  std::string Text;     // identifier, string value, or the symbol character
  int64_t Integer = 0;  // TTokenKind::Integer
  int Line = 1;

  bool IsSymbol(char symbol) const { return Kind == TTokenKind::Symbol && Text[0] == symbol; }
  bool IsKeyword(std::string_view keyword) const;  // an identifier, letter case ignored
  // The token as a message shows it: strings and symbols as they are written, with control
  // characters as #nn codes.
  std::string Describe() const;
};

// A string as form-file text writes it: printable runs in quotes (a quote doubled), other
// characters as #nn codes.
std::string FormStringLiteral(std::string_view value);

class TFormLexer {
 public:
  TFormLexer(std::string_view text, std::string sourceName);

  const TFormToken& Current() const { return FCurrent; }
  void Next();
  // Raises EParserError for the given line (the current token's by default).
  [[noreturn]] void Error(const std::string& reason) const { Error(reason, FCurrent.Line); }
  [[noreturn]] void Error(const std::string& reason, int line) const;

 private:
  void SkipBlanks();
  void ReadIdentifier();
  void ReadInteger();
  void ReadString();
  int ReadCharCode();

  std::string_view FText;
  std::string FSourceName;
  size_t FPos = 0;
  int FLine = 1;
  TFormToken FCurrent;
};
