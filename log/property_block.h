#pragma once
// The generic property block of a record body: a count, then per entry a kind code, the
// property's name (a pool index) and a value of that kind.

#include <cstdint>
#include <string>

#include "log/log_event.h"
#include "log/log_stream.h"

// Reads a property block, handing each value to `take(prop, value)` (an int32_t for the ordinal
// kinds, a double, or a const std::string&) when `findProperty(kind)`, which reads the entry's
// name, gives the property that takes it. Entries without one are consumed and dropped.
template <typename FindProperty, typename Take>
void ReadPropertyEntries(TLogStream& stream, FindProperty&& findProperty, Take&& take) {
  const int32_t count = stream.ReadPropertyCount();
  for (int32_t i = 0; i < count; ++i) {
    const uint8_t kind = stream.ReadByte();
    const TPropInfo* prop = findProperty(kind);
    switch (kind) {
      case tkInteger:
      case tkEnumeration: {
        const int32_t value = stream.ReadLongInt();
        if (prop) take(*prop, value);
        break;
      }
      case tkChar: {
        const int32_t value = stream.ReadByte();
        if (prop) take(*prop, value);
        break;
      }
      case tkFloat: {
        const double value = stream.ReadFloat();
        if (prop) take(*prop, value);
        break;
      }
      case tkString:
      case tkLString: {
        const std::string& value = stream.ReadPoolStringRef();
        if (prop) take(*prop, value);
        break;
      }
      default:
        break;  // an unknown kind carries no value
    }
  }
}

// Reads the property block of a record of class `cls`, handing each value to `take` when `cls`
// has the property and it can take the value. Entries the class does not have, or cannot take,
// are dropped, so that logs written by later versions of a class still read.
template <typename Take>
void ReadPropertyBlock(TLogStream& stream, const TLogEventClass& cls, Take&& take) {
  ReadPropertyEntries(
      stream, [&stream, &cls](uint8_t kind) { return stream.ReadPropertyName(cls, kind); }, take);
}
