#pragma once
// Replacing a file's contents so that a crash leaves either the old file or the new one, never a
// half-written file.

#include <string>
#include <string_view>

// Writes `contents` to a temporary file beside `fileName` and renames it over the file. The file
// keeps its permission bits; a new file gets the usual ones. Raises EFCreateError on failure,
// leaving the old file untouched.
void ReplaceFileContents(const std::string& fileName, std::string_view contents);
