#pragma once
// Numbers of the record model's texts in the string table.

namespace log_strings {

constexpr int SLogDoesNotExist = 19000;
constexpr int SLogAlreadyOpen = 19001;
constexpr int SLogNotOpen = 19002;
constexpr int SInvalidPoolIndex = 19003;
constexpr int SUnregisteredPoolString = 19004;
constexpr int SNotAnEventLog = 19005;
constexpr int SRecordCutOff = 19006;
constexpr int SImpossiblePropertyCount = 19007;
constexpr int SLogChangedSinceRead = 19008;

constexpr int SStartSession = 19100;
constexpr int SStopSession = 19101;
constexpr int SRaisedAt = 19102;
constexpr int SException = 19103;
constexpr int SStringPoolAdd = 19104;
constexpr int SStringPoolPurge = 19105;
constexpr int SUnregisteredEvent = 19106;
constexpr int SUserMessage = 19107;
constexpr int SUnknownPropertyType = 19108;
constexpr int SEnterSection = 19109;
constexpr int SLeaveSection = 19110;
constexpr int SSeparator = 19111;

// Makes the texts above known to LoadStr; the record model's unit does this when it initialises.
void RegisterLogStrings();
void UnregisterLogStrings();

}  // namespace log_strings
