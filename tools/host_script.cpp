// Splitting script lines into words and texts, and checking them against the command forms.

#include "tools/host_script.h"

#include <cstdint>
#include <optional>
#include <string>

#include "platform/sysutils.h"
#include "platform/vcl/calendars.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/keyboard.h"
#include "tools/host_keys.h"

namespace {

// What an argument must be: w a word (a path, a name), t a quoted text, T a quoted text that the
// keyboard can type, i an integer, n a non-negative integer, k a key name, e an exception class,
// v any value, c a quoted text that the keyboard can type or the word cancel; a the word up or
// down, r up, down, left or right, D a date yyyy-mm-dd, h a quoted shortcut ("Ctrl+Shift+A", or
// "" for none), l the word enter or click, m the word ctrl or shift.
struct TCommandForm {
  std::string_view Name;
  std::string_view Required;
  std::string_view Optional;  // all or none of these may follow
  bool RepeatLast;            // the last required argument may be repeated
  std::string_view Usage;
};

constexpr TCommandForm kForms[] = {
    {"click", "w", "ii", false, "click PATH [X Y]"},
    {"rclick", "w", "ii", false, "rclick PATH [X Y]"},
    {"dblclick", "w", "ii", false, "dblclick PATH [X Y]"},
    {"press", "w", "ii", false, "press PATH [X Y]"},
    {"release", "w", "ii", false, "release PATH [X Y]"},
    {"focus", "w", "", false, "focus PATH"},
    {"type", "wT", "", false, "type PATH \"TEXT\""},
    {"key", "k", "", true, "key KEY ..."},
    {"menu", "wt", "", false, "menu FORM \"CAPTIONS\""},
    {"popup", "wt", "", false, "popup PATH \"CAPTIONS\""},
    {"select", "wv", "m", false, "select PATH ITEM [ctrl|shift]"},
    {"scroll", "wi", "", false, "scroll PATH POS"},
    {"move", "wiiii", "", false, "move FORM L T R B"},
    {"maximize", "w", "", false, "maximize FORM"},
    {"minimize", "w", "", false, "minimize FORM"},
    {"restore", "w", "", false, "restore FORM"},
    {"activate", "w", "", false, "activate FORM"},
    {"set", "wwv", "", false, "set PATH PROPERTY VALUE"},
    {"raise", "et", "i", false, "raise CLASS \"MESSAGE\" [CODE]"},
    {"message", "t", "", false, "message \"TEXT\""},
    {"enter", "t", "", false, "enter \"NAME\""},
    {"leave", "t", "", false, "leave \"NAME\""},
    {"separator", "", "", false, "separator"},
    {"start", "", "", false, "start"},
    {"stop", "", "", false, "stop"},
    {"wait", "n", "", false, "wait MS"},
    {"slide", "wi", "", false, "slide PATH POS"},
    {"spin", "wa", "n", false, "spin PATH up|down [COUNT]"},
    {"hotkey", "wh", "", false, "hotkey PATH \"KEYS\""},
    {"date", "wD", "", false, "date PATH YYYY-MM-DD"},
    {"pagescroll", "wr", "", false, "pagescroll PATH up|down|left|right"},
    // header controls, tool bars, tree views and list views
    {"expand", "wt", "", false, "expand PATH \"NODE\""},
    {"collapse", "wt", "", false, "collapse PATH \"NODE\""},
    {"rename", "wvc", "", false, "rename PATH NODE \"TEXT\"|cancel"},
    {"column", "wn", "", false, "column PATH INDEX"},
    {"section", "wn", "", false, "section PATH INDEX"},
    {"resize", "wnn", "", false, "resize PATH INDEX WIDTH"},
    {"dropdown", "w", "t", false, "dropdown PATH [\"CAPTIONS\"]"},
    // grids
    {"cell", "wnn", "", false, "cell PATH COL ROW"},
    {"edit", "wnnT", "l", false, "edit PATH COL ROW \"TEXT\" [enter|click]"},
    // splitters (and any control the mouse drags) and check list boxes
    {"drag", "wii", "", false, "drag PATH DX DY"},
    {"check", "wv", "", false, "check PATH ITEM"},
    {"drop", "ww", "v", false, "drop PATH TARGET [ITEM]"},
};

constexpr std::string_view kExceptionClasses[] = {"Exception", "EInOutError", "EWin32Error",
                                                  "EOleSysError", "EOleException"};

// Whether the text is a decimal 32-bit integer (an error code may need all 32 bits).
bool IsInteger(const std::string& text, bool allowNegative) {
  const size_t start = allowNegative && text.size() > 1 && text[0] == '-' ? 1 : 0;
  if (text.size() == start || text.size() - start > 10 ||
      text.find_first_not_of("0123456789", start) != std::string::npos) {
    return false;
  }
  const int64_t value = std::stoll(text);
  return value >= INT32_MIN && value <= INT32_MAX;
}

// The text as an error message shows it: control and other non-ASCII bytes as \xNN.
std::string Shown(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte >= 0x20 && byte < 0x7F ? std::string(1, c) : Format("\\x%.2x", byte);
  }
  return shown;
}

// An argument as the script wrote it, for error messages.
std::string Shown(const TScriptArg& arg) {
  return arg.Quoted ? "\"" + Shown(arg.Text) + "\"" : Shown(arg.Text);
}

// Why `arg` cannot be an argument of kind `kind`, or nullopt when it can.
std::optional<std::string> Mismatch(char kind, const TScriptArg& arg) {
  const bool word = !arg.Quoted;
  switch (kind) {
    case 'w':
      if (!word) return "a name expected, found a text";
      break;
    case 't':
      if (word) return "a text in double quotes expected, found " + Shown(arg);
      break;
    case 'c':
      if (word && arg.Text == "cancel") return std::nullopt;
      if (word) return "a text in double quotes or cancel expected, found " + Shown(arg);
      [[fallthrough]];
    case 'T':
      if (word) return "a text in double quotes expected, found " + Shown(arg);
      for (char c : arg.Text)
        if (!KeyForCharacter(c))
          return "cannot type the character '" + Shown(std::string_view(&c, 1)) + "'";
      break;
    case 'i':
    case 'n':
      if (!word || !IsInteger(arg.Text, kind == 'i'))
        return "a number expected, found " + Shown(arg);
      break;
    case 'k':
      if (!word || !ParseKeyName(arg.Text)) return "unknown key " + Shown(arg);
      break;
    case 'e':
      for (std::string_view name : kExceptionClasses)
        if (word && name == arg.Text) return std::nullopt;
      return "unknown exception class " + Shown(arg);
    case 'a':
    case 'r':
      for (std::string_view name : {"up", "down", "left", "right"}) {
        if (kind == 'a' && name == "left") break;
        if (word && name == arg.Text) return std::nullopt;
      }
      return std::string(kind == 'a' ? "up or down" : "up, down, left or right") +
             " expected, found " + Shown(arg);
    case 'l':
      if (word && (arg.Text == "enter" || arg.Text == "click")) return std::nullopt;
      return "enter or click expected, found " + Shown(arg);
    case 'm':
      if (word && (arg.Text == "ctrl" || arg.Text == "shift")) return std::nullopt;
      return "ctrl or shift expected, found " + Shown(arg);
    case 'D': {
      TDateTime date = 0;
      if (!word || !TryTextToDate(arg.Text, date))
        return "a date YYYY-MM-DD expected, found " + Shown(arg);
      break;
    }
    case 'h':
      if (word) return "a shortcut in double quotes expected, found " + Shown(arg);
      if (!arg.Text.empty() && TextToShortCut(arg.Text) == 0)
        return "unknown shortcut " + Shown(arg);
      break;
  }
  return std::nullopt;
}

// Splits a line into words and quoted texts, up to a "#" that begins a word.
std::vector<TScriptArg> SplitLine(std::string_view line, const std::string& sourceName,
                                  int lineNumber) {
  std::vector<TScriptArg> words;
  size_t i = 0;
  for (;;) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i == line.size() || line[i] == '#') return words;
    TScriptArg word;
    if (line[i] == '"') {
      word.Quoted = true;
      for (++i;; ++i) {
        if (i == line.size()) throw EParserError(sourceName, lineNumber, "unterminated text");
        if (line[i] == '"') break;
        if (line[i] == '\\' && i + 1 < line.size()) {
          ++i;
          word.Text += line[i] == 'n' ? '\n' : line[i];
          continue;
        }
        word.Text += line[i];
      }
      ++i;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        word.Text += line[i++];
    }
    words.push_back(std::move(word));
  }
}

void CheckArguments(const TCommandForm& form, const TScriptCommand& command,
                    const std::string& sourceName) {
  const size_t count = command.Args.size();
  const size_t required = form.Required.size();
  const bool countFits =
      form.RepeatLast ? count >= required
                      : count == required ||
                            (!form.Optional.empty() && count == required + form.Optional.size());
  auto fail = [&](const std::string& reason) {
    throw EParserError(sourceName, command.Line,
                       reason + " (usage: " + std::string(form.Usage) + ")");
  };
  if (!countFits) fail("wrong number of arguments");
  for (size_t i = 0; i < count; ++i) {
    const char kind = i < required      ? form.Required[i]
                      : form.RepeatLast ? form.Required.back()
                                        : form.Optional[i - required];
    if (auto reason = Mismatch(kind, command.Args[i])) fail(*reason);
  }
}

}  // namespace

std::vector<TScriptCommand> ParseScript(std::string_view text, const std::string& sourceName) {
  std::vector<TScriptCommand> commands;
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    std::vector<TScriptArg> words = SplitLine(line, sourceName, lineNumber);
    if (words.empty()) continue;
    if (words[0].Quoted) throw EParserError(sourceName, lineNumber, "command expected");
    const TCommandForm* form = nullptr;
    for (const TCommandForm& candidate : kForms)
      if (candidate.Name == words[0].Text) form = &candidate;
    if (!form) throw EParserError(sourceName, lineNumber, "unknown command " + Shown(words[0]));
    TScriptCommand command{lineNumber, std::string(form->Name), {words.begin() + 1, words.end()}};
    CheckArguments(*form, command, sourceName);
    commands.push_back(std::move(command));
  }
  return commands;
}

int TScriptArg::Number() const { return StrToInt(Text); }
