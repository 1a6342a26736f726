#pragma once
// The logs opened lately, most recent first, for the File menu's Recent list; kept in the
// settings file's [Recent] section as Count and File1..File10.

#include <cstddef>
#include <string>
#include <vector>

class TCustomIniFile;

class TRecentFiles {
 public:
  static constexpr size_t kMaxCount = 10;

  // Most recent first; at most kMaxCount names, no two the same by SameText.
  const std::vector<std::string>& Files() const { return FFiles; }
  // Puts the name at the top, taking it out of the place it had; the oldest beyond kMaxCount
  // goes. An empty name is not listed.
  void Add(const std::string& name);
  void Remove(const std::string& name);

  // Reads the list: File1..FileN for N = Count, at most kMaxCount; a Count that is no number
  // reads every key there is room for. Empty names and repeats are skipped.
  void Read(const TCustomIniFile& ini);
  // Writes Count and all kMaxCount File keys, the ones past the list empty, so that no older
  // entry survives. A name that would not read back as it is is left out.
  void Write(TCustomIniFile& ini) const;

 private:
  std::vector<std::string> FFiles;
};

// The menu item of the list's entry at `index` (from 0): "&1 name" .. "&9 name", "1&0 name",
// with the name's own ampersands doubled so that they show as written.
std::string RecentFileCaption(size_t index, const std::string& name);

// The message for a listed log that no longer exists.
std::string MissingRecentFileMessage(const std::string& name);
