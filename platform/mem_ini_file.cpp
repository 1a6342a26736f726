// TMemIniFile: an INI file's lines in memory, indexed by section and key, written back whole.

#include "platform/mem_ini_file.h"

#include "platform/classes.h"

namespace {

std::string Folded(std::string_view name) { return LowerCase(Trim(name)); }

}  // namespace

TMemIniFile::TMemIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) { Reload(); }

void TMemIniFile::Reload() {
  FSections.clear();
  FSectionIndex.clear();
  FReadError.clear();
  TIniText text;
  try {
    text = TIniText::Load(FFileName);
  } catch (const EFOpenError& error) {
    FReadError = error.what();
  }
  FSections.emplace_back();  // the lines before the first header
  std::string name;
  for (std::string& line : text.Lines) {
    if (TIniText::IsSectionHeader(line, name)) {
      FSectionIndex.try_emplace(Folded(name), FSections.size());
      FSections.emplace_back();
    }
    AddLine(FSections.back(), std::move(line));
  }
  text.Lines.clear();
  FFormat = std::move(text);
}

void TMemIniFile::AddLine(TSection& section, std::string line) {
  std::string key;
  if (TIniText::IsKeyLine(line, key)) section.Keys.try_emplace(Folded(key), section.Lines.size());
  section.Lines.push_back(std::move(line));
}

const TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view section) const {
  const auto found = FSectionIndex.find(Folded(section));
  return found != FSectionIndex.end() ? &FSections[found->second] : nullptr;
}

const std::string* TMemIniFile::FindLine(std::string_view section, std::string_view key) const {
  const TSection* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const auto line = found->Keys.find(Folded(key));
  return line != found->Keys.end() ? &found->Lines[line->second] : nullptr;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  const std::string* line = FindLine(section, key);
  return line != nullptr ? TIniText::ValueOf(*line) : std::string(fallback);
}

TMemIniFile::TSection& TMemIniFile::AddSection(std::string_view section) {
  // A blank line sets the new section apart from the text before it.
  TSection& last = FSections.back();
  if (!last.Lines.empty() && !Trim(last.Lines.back()).empty()) last.Lines.emplace_back();
  FSectionIndex.emplace(Folded(section), FSections.size());
  TSection& added = FSections.emplace_back();
  added.Lines.push_back("[" + std::string(section) + "]");
  return added;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  TIniText::CheckSingleLine(section);
  TIniText::CheckSingleLine(key);
  TIniText::CheckSingleLine(value);
  const auto found = FSectionIndex.find(Folded(section));
  TSection& target = found != FSectionIndex.end() ? FSections[found->second] : AddSection(section);
  const auto line = target.Keys.find(Folded(key));
  if (line != target.Keys.end()) {
    std::string& entry = target.Lines[line->second];
    entry = TIniText::WithValue(entry, value);
    return;
  }
  // A new key goes after the section's last line that is not blank; only blank lines, which are
  // no keys, move down.
  size_t position = target.Lines.size();
  while (position > 1 && Trim(target.Lines[position - 1]).empty()) --position;
  target.Lines.insert(target.Lines.begin() + static_cast<std::ptrdiff_t>(position),
                      std::string(key) + "=" + std::string(value));
  target.Keys.emplace(Folded(key), position);
}

void TMemIniFile::UpdateFile() const {
  if (!FReadError.empty()) throw EFOpenError(FReadError);
  TIniText text = FFormat;
  size_t count = 0;
  for (const TSection& section : FSections) count += section.Lines.size();
  text.Lines.reserve(count);
  for (const TSection& section : FSections) {
    text.Lines.insert(text.Lines.end(), section.Lines.begin(), section.Lines.end());
  }
  text.Save(FFileName);
}
