#pragma once
// Session scripts of the host simulator: one command per line, "#" starts a comment, texts are in
// double quotes (with \" for a quote, \\ for a backslash and \n for a line break). Parsing checks
// every line against its command's form before anything runs, so a malformed script changes
// nothing.

#include <string>
#include <string_view>
#include <vector>

struct TScriptArg {
  std::string Text;
  bool Quoted = false;

  // The argument as a number; the parser let only numbers through where a command takes one.
  int Number() const;
};

struct TScriptCommand {
  int Line = 0;
  std::string Name;  // as the command table spells it
  std::vector<TScriptArg> Args;
};

// Raises EParserError naming `sourceName`, the line and what is wrong.
std::vector<TScriptCommand> ParseScript(std::string_view text, const std::string& sourceName);
