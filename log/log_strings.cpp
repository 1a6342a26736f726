// The record model's texts.

#include "log/log_strings.h"

#include "platform/strtable.h"

namespace log_strings {
namespace {

constexpr TStringTableEntry kTexts[] = {
    {SLogDoesNotExist, "Tracebook log does not exist"},
    {SLogAlreadyOpen, "Tracebook is already open"},
    {SLogNotOpen, "Tracebook is not open"},
    {SInvalidPoolIndex, "TLogStream.ReadPoolString read invalid pool index"},
    {SUnregisteredPoolString, "TLogStream.WritePoolString of unregistered string"},
    {SNotAnEventLog, "File is not an event log."},
    {SRecordCutOff, "Tracebook log ends inside a record"},
    {SImpossiblePropertyCount, "Tracebook log record has an impossible property count"},
    {SLogChangedSinceRead, "Tracebook log has changed since it was read"},
    {SStartSession, "start session"},
    {SStopSession, "stop session"},
    {SRaisedAt, "raised at"},
    {SException, "exception"},
    {SStringPoolAdd, "string pool add"},
    {SStringPoolPurge, "string pool purge"},
    {SUnregisteredEvent, "unregistered event type"},
    {SUserMessage, "user message"},
    {SUnknownPropertyType, "<unknown property type>"},
    {SEnterSection, "enter section"},
    {SLeaveSection, "leave section"},
    {SSeparator, "separator"},
};

}  // namespace

void RegisterLogStrings() { RegisterStringTable(kTexts); }
void UnregisterLogStrings() { UnregisterStringTable(kTexts); }

}  // namespace log_strings
