#pragma once
// TKDLogEventStrings: the record filter of the log component as lines "ClassName=flag", where the
// flag "0" switches a record class off and anything else (or nothing) switches it on. A type of
// its own so that the design-time editor can be bound to it.

#include "platform/classes.h"

class TKDLogEventStrings : public TStringList {};
