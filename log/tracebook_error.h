#pragma once
// The library's exception: a numbered text of the string table.

#include "platform/sysutils.h"

class ETracebookError : public Exception {
 public:
  explicit ETracebookError(int messageId);
  const char* ClassName() const override { return "ETracebookError"; }
  int MessageId() const { return FMessageId; }

 private:
  int FMessageId;
};
