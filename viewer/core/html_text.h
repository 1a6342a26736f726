#pragma once
// Text from a log made safe and readable inside an HTML document. Log texts are untrusted bytes in
// no declared encoding: markup characters become entities, control characters are shown as U+FFFD
// (line breaks and tabs as blanks), and bytes that are not part of a valid UTF-8 sequence are
// read as Latin-1, the encoding older programs wrote, so that "Gr\xFC\xDFe" still reads "Grüße".

#include <string>
#include <string_view>

// The text escaped for element content and for attribute values in double or single quotes.
std::string HtmlText(std::string_view bytes);
