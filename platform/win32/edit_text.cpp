// Text and selection changes of edit windows.

#include "platform/win32/edit_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// A selection kept within the text, whatever changed the text since it was set.
void Clamp(const std::string& text, EditSelection& selection) {
  selection.anchor = std::min(selection.anchor, text.size());
  selection.caret = std::min(selection.caret, text.size());
}

bool LineBreakAt(const std::string& text, size_t position) {
  return text.compare(position, kLineBreak.size(), kLineBreak) == 0;
}

// What typing a character does: the text from `start` to `end` becomes `inserted`.
struct TypedChange {
  size_t start;
  size_t end;
  std::string inserted;
};

// The change a typed character makes at a selection within the text; none when it makes none.
std::optional<TypedChange> ChangeOfTyping(const std::string& text, const EditSelection& selection,
                                          char character, bool multiLine) {
  size_t start = selection.Start();
  if (character == '\b') {
    if (selection.Empty()) {
      if (start == 0) return std::nullopt;
      start -= multiLine && start >= 2 && LineBreakAt(text, start - 2) ? 2 : 1;
    }
    return TypedChange{start, selection.End(), ""};
  }
  if (character == '\r') {
    if (!multiLine) return std::nullopt;
    return TypedChange{start, selection.End(), std::string(kLineBreak)};
  }
  if (static_cast<unsigned char>(character) < ' ') return std::nullopt;
  return TypedChange{start, selection.End(), std::string(1, character)};
}

}  // namespace

bool TypeIntoEdit(std::string& text, EditSelection& selection, char character, bool multiLine) {
  Clamp(text, selection);
  const std::optional<TypedChange> change = ChangeOfTyping(text, selection, character, multiLine);
  if (!change) return false;
  text.replace(change->start, change->end - change->start, change->inserted);
  selection.anchor = selection.caret = change->start + change->inserted.size();
  return true;
}

size_t LengthAfterTyping(const std::string& text, EditSelection selection, char character,
                         bool multiLine) {
  Clamp(text, selection);
  const std::optional<TypedChange> change = ChangeOfTyping(text, selection, character, multiLine);
  return change ? text.size() - (change->end - change->start) + change->inserted.size()
                : text.size();
}

bool DeleteInEdit(std::string& text, EditSelection& selection) {
  Clamp(text, selection);
  const size_t start = selection.Start();
  size_t end = selection.End();
  if (selection.Empty()) {
    if (end == text.size()) return false;
    end += LineBreakAt(text, end) ? kLineBreak.size() : 1;
  }
  text.erase(start, end - start);
  selection.anchor = selection.caret = start;
  return true;
}

bool MoveEditCaret(const std::string& text, EditSelection& selection, WPARAM key, bool shift) {
  Clamp(text, selection);
  const bool collapse = !shift && !selection.Empty();
  size_t caret = selection.caret;
  switch (key) {
    case VK_HOME:
      caret = 0;
      break;
    case VK_END:
      caret = text.size();
      break;
    case VK_LEFT:
      caret = collapse ? selection.Start() : caret - (caret > 0 ? 1 : 0);
      break;
    case VK_RIGHT:
      caret = collapse ? selection.End() : std::min(caret + 1, text.size());
      break;
    default:
      return false;
  }
  selection.caret = caret;
  if (!shift) selection.anchor = caret;
  return true;
}

void SetEditSelection(const std::string& text, EditSelection& selection, WPARAM start, LPARAM end) {
  const auto first = static_cast<intptr_t>(start);
  if (first < 0) {
    selection.anchor = selection.caret;
    Clamp(text, selection);
    return;
  }
  const auto last = static_cast<intptr_t>(end);
  selection.anchor = static_cast<size_t>(first);
  selection.caret = last < 0 ? text.size() : static_cast<size_t>(last);
  Clamp(text, selection);
}

LRESULT GetEditSelection(const EditSelection& selection, WPARAM startOut, LPARAM endOut) {
  const auto start = static_cast<DWORD>(selection.Start());
  const auto end = static_cast<DWORD>(selection.End());
  if (startOut) *reinterpret_cast<DWORD*>(startOut) = start;
  if (endOut) *reinterpret_cast<DWORD*>(endOut) = end;
  return MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end));
}

LRESULT CopyWindowText(const std::string& text, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  const size_t count = std::min<size_t>(text.size(), size - 1);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}
