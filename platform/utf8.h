#pragma once
// Decoding and encoding single UTF-8 sequences, strictly: texts from logs and settings may hold
// any bytes, and each caller decides what an invalid byte becomes.

#include <cstddef>
#include <string>
#include <string_view>

// One code point decoded from the front of a text, with the bytes it took; 0 bytes when the
// front is not valid UTF-8 (a stray continuation byte, a cut sequence, an overlong form, a
// surrogate or a value beyond U+10FFFF).
struct TDecodedUtf8 {
  char32_t CodePoint = 0;
  size_t Length = 0;
};

// `text` must not be empty.
TDecodedUtf8 DecodeUtf8(std::string_view text);
// Appends the code point, which must be at most U+10FFFF, as UTF-8.
void AppendUtf8(std::string& out, char32_t c);
