// The registry of string tables behind LoadStr. Tables are static arrays owned by their units;
// the registry only remembers where they are.

#include "platform/strtable.h"

#include <algorithm>
#include <vector>

namespace {

using TTable = std::span<const TStringTableEntry>;

// Never destroyed: units unregister their tables while the process exits.
std::vector<TTable>& Tables() {
  static auto* tables = new std::vector<TTable>;
  return *tables;
}

bool SameTable(TTable a, TTable b) { return a.data() == b.data() && a.size() == b.size(); }

}  // namespace

void RegisterStringTable(std::span<const TStringTableEntry> entries) {
  auto& tables = Tables();
  const bool known = std::any_of(tables.begin(), tables.end(),
                                 [entries](TTable t) { return SameTable(t, entries); });
  if (!known) tables.push_back(entries);
}

void UnregisterStringTable(std::span<const TStringTableEntry> entries) {
  std::erase_if(Tables(), [entries](TTable t) { return SameTable(t, entries); });
}

std::string LoadStr(int id) {
  for (TTable table : Tables()) {
    for (const TStringTableEntry& entry : table) {
      if (entry.Id == id) return entry.Text;
    }
  }
  return std::string();
}
