#pragma once
// The text form of the list of collapsed rows kept in the settings file: the count, then the
// record-list indexes, separated by commas ("3,4,17,52").

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reads the list. A count that is not a number means no entries; entries that are not
// non-negative integers are skipped; only the entries the text holds are taken, never more than
// its count.
std::vector<int32_t> ParseCollapseSetting(std::string_view text);
// The count and the entries, or the empty string for an empty list.
std::string FormatCollapseSetting(const std::vector<int32_t>& indexes);
