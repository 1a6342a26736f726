// The library's exception.

#include "log/tracebook_error.h"

#include "platform/strtable.h"

ETracebookError::ETracebookError(int messageId)
    : Exception(LoadStr(messageId)), FMessageId(messageId) {}
