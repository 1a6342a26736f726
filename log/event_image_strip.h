#pragma once
// The built-in strip of record images: nine 16 by 16 images side by side, olive (0x008080) where
// an image is transparent. Index 0 is a generic record, 1 a record of a class unknown when read,
// 2 an exception, 3 a user message, 4 the start or end of a session, 5 entering a section,
// 6 leaving a section, 7 a collapsed group and 8 an expanded group.

#include "platform/graphics.h"

TBitmap BuiltinEventImageStrip();
