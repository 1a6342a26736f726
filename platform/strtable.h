#pragma once
// The string table: the system's fixed texts, reached by number. Each subsystem keeps its own table
// and registers it when its unit initialises.

#include <span>
#include <string>

struct TStringTableEntry {
  int Id;
  const char* Text;
};

// Makes the entries known to LoadStr. Registering the same table twice is harmless.
void RegisterStringTable(std::span<const TStringTableEntry> entries);
// Forgets a table registered before (a unit that unloads).
void UnregisterStringTable(std::span<const TStringTableEntry> entries);
// The text with that number, or the empty string when no table has it.
std::string LoadStr(int id);
