// TStrings: the operations every string list offers on top of its storage: objects per line,
// lookups, "Name=Value" access, text and comma-separated forms, and files.

#include <algorithm>

#include "platform/classes.h"

namespace {

// Runs a change of the list as one update, ended also when the change fails.
template <typename F>
void InUpdate(TStrings& strings, F change) {
  strings.BeginUpdate();
  try {
    change();
  } catch (...) {
    strings.EndUpdate();
    throw;
  }
  strings.EndUpdate();
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

// A comma-separated item must be quoted when it holds a control character, a space, a quote or
// a comma (reading splits at all of them).
bool NeedsQuotes(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',';
  });
}

std::string Quoted(std::string_view s) {
  std::string result = "\"";
  for (char c : s) {
    result += c;
    if (c == '"') result += '"';
  }
  return result + '"';
}

// Reads a quoted item starting at the opening quote; a doubled quote stands for one. An item
// without its closing quote runs to the end of the text.
std::string ExtractQuoted(std::string_view text, size_t& pos) {
  std::string result;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        result += '"';
        pos += 2;
        continue;
      }
      ++pos;
      break;
    }
    result += text[pos++];
  }
  return result;
}

}  // namespace

int TStrings::Add(const std::string& s) {
  Insert(Count(), s);
  return Count() - 1;
}

int TStrings::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(Get(i), s) == 0) return i;
  }
  return -1;
}

int TStrings::AddObject(const std::string& s, void* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const std::string& s, void* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& other) {
  InUpdate(*this, [&] {
    const int count = other.Count();  // fixed first: `other` may be this list
    for (int i = 0; i < count; ++i) AddObject(other.Get(i), other.GetObject(i));
  });
}

void TStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  InUpdate(*this, [&] {
    Clear();
    AddStrings(other);
  });
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

int TStrings::IndexOfObject(const void* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (GetObject(i) == object) return i;
  }
  return -1;
}

void TStrings::Move(int from, int to) {
  if (from == to) return;
  const std::string s = Get(from);
  void* object = GetObject(from);
  Delete(from);
  InsertObject(to, s, object);
}

void TStrings::Exchange(int a, int b) {
  const std::string s = Get(a);
  void* object = GetObject(a);
  Put(a, Get(b));
  PutObject(a, GetObject(b));
  Put(b, s);
  PutObject(b, object);
}

std::string TStrings::Names(int index) const {
  const std::string& line = Get(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
  const std::string& line = Get(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = Get(i);
    const size_t eq = line.find('=');
    if (eq != std::string::npos && CompareStrings(std::string_view(line).substr(0, eq), name) == 0)
      return i;
  }
  return -1;
}

std::string TStrings::Values(std::string_view name) const {
  const int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(std::string_view name, std::string_view value) {
  const int index = IndexOfName(name);
  std::string line = std::string(name) + "=" + std::string(value);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index >= 0) {
    Put(index, line);
  } else {
    Add(line);
  }
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += '\n';
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  InUpdate(*this, [&] {
    Clear();
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(pos, end - pos);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      Add(std::string(line));
      pos = end + 1;
    }
  });
}

std::string TStrings::CommaText() const {
  // A single empty line must still read back as one line.
  if (Count() == 1 && Get(0).empty()) return "\"\"";
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) text += ',';
    const std::string& line = Get(i);
    text += NeedsQuotes(line) ? Quoted(line) : line;
  }
  return text;
}

void TStrings::SetCommaText(std::string_view text) {
  Clear();
  size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
  };
  skipBlanks();
  while (pos < text.size() && text[pos] != '\0') {
    if (text[pos] == '"') {
      Add(ExtractQuoted(text, pos));
    } else {
      const size_t start = pos;
      while (pos < text.size() && static_cast<unsigned char>(text[pos]) > ' ' && text[pos] != ',')
        ++pos;
      Add(std::string(text.substr(start, pos - start)));
    }
    skipBlanks();
    if (pos < text.size() && text[pos] == ',') {
      if (pos + 1 == text.size()) Add("");  // a trailing comma ends with an empty item
      ++pos;
      skipBlanks();
    }
  }
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  std::string text(static_cast<size_t>(file.Size()), '\0');
  file.ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
  SetText(text);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  const std::string text = Text();
  file.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
  return FCaseSensitive ? a.compare(b) : CompareText(a, b);
}
