// The record base class and class references.

#include "log/log_event.h"

#include <algorithm>

#include "log/log_stream.h"
#include "log/log_strings.h"
#include "log/property_block.h"
#include "platform/mmsystem.h"
#include "platform/strtable.h"

// ---- property kinds ---------------------------------------------------------------------------

bool IsOrdinalKind(uint8_t kind) {
  return kind == tkInteger || kind == tkChar || kind == tkEnumeration;
}

bool IsStringKind(uint8_t kind) { return kind == tkString || kind == tkLString; }

bool KindsCompatible(uint8_t stored, TTypeKind kind) {
  if (IsOrdinalKind(stored)) return IsOrdinalKind(kind);
  if (IsStringKind(stored)) return IsStringKind(kind);
  return stored == tkFloat && kind == tkFloat;
}

// ---- TLogEventClass ---------------------------------------------------------------------------

TLogEventClass::TLogEventClass(const TDefinition& definition)
    : FName(definition.Name),
      FParent(definition.Parent),
      FCreateFromStream(definition.CreateFromStream),
      FEventNameId(definition.EventNameId),
      FReadsPropertyBlock(definition.ReadsPropertyBlock),
      FUIDefaults(definition.UIDefaults) {
  if (FParent) FProperties.assign(FParent->FProperties.begin(), FParent->FProperties.end());
  for (const TPropInfo& prop : definition.OwnProperties) FProperties.push_back(&prop);
  std::stable_sort(
      FProperties.begin(), FProperties.end(),
      [](const TPropInfo* a, const TPropInfo* b) { return CompareText(a->Name, b->Name) < 0; });
  for (const TPropInfo* prop : FProperties) {
    if (prop->IsStreamed()) FStreamed.push_back(prop);
  }
}

const TLogEventClass& KeepLogEventClass(std::unique_ptr<TLogEventClass> cls) {
  // Never destroyed. Held here, not by the module that defined the class: a package may be
  // unloaded before the process ends.
  static auto* classes = new std::vector<std::unique_ptr<TLogEventClass>>;
  classes->push_back(std::move(cls));
  return *classes->back();
}

bool TLogEventClass::InheritsFrom(const TLogEventClass& ancestor) const {
  for (const TLogEventClass* cls = this; cls; cls = cls->FParent) {
    if (cls == &ancestor) return true;
  }
  return false;
}

const TPropInfo* TLogEventClass::FindProperty(std::string_view name) const {
  for (const TPropInfo* prop : FProperties) {
    if (SameText(prop->Name, name)) return prop;
  }
  return nullptr;
}

std::unique_ptr<TLogEvent> TLogEventClass::CreateFromStream(TLogStream& stream) const {
  return FCreateFromStream(stream);
}

std::string TLogEventClass::GetEventName() const {
  for (const TLogEventClass* cls = this; cls; cls = cls->FParent) {
    if (cls->FEventNameId != 0) return LoadStr(cls->FEventNameId);
  }
  return FName;
}

TEventUIDefaults TLogEventClass::Get_UI_Defaults() const {
  for (const TLogEventClass* cls = this; cls; cls = cls->FParent) {
    if (cls->FUIDefaults) return *cls->FUIDefaults;
  }
  return TEventUIDefaults{};
}

// ---- TLogEvent --------------------------------------------------------------------------------

TLogEvent::TLogEvent() : FTickCount(static_cast<int32_t>(timeGetTime())) {}

const TLogEventClass& TLogEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TLogEvent::FTickCount>("TickCount"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TLogEvent>({
      .Name = "TLogEvent",
      .OwnProperties = kProperties,
      .UIDefaults = TEventUIDefaults{},
  });
  return cls;
}

void TLogEvent::CheckStrings(TLogStream& stream) const {
  stream.CheckString(ClassName());
  for (const TPropInfo* prop : ClassType().StreamedProperties()) {
    stream.CheckString(prop->Name);
    if (IsStringKind(prop->Kind)) stream.CheckString(prop->GetStr(*this));
  }
}

void TLogEvent::Write(TLogStream& stream) const {
  const auto properties = ClassType().StreamedProperties();
  stream.WriteLongInt(static_cast<int32_t>(properties.size()));
  for (const TPropInfo* prop : properties) {
    stream.WriteByte(prop->Kind);
    stream.WritePoolString(prop->Name);
    switch (prop->Kind) {
      case tkInteger:
      case tkEnumeration:
        stream.WriteLongInt(prop->GetOrd(*this));
        break;
      case tkChar:
        stream.WriteByte(static_cast<uint8_t>(prop->GetOrd(*this)));
        break;
      case tkFloat:
        stream.WriteFloat(prop->GetFloat(*this));
        break;
      case tkString:
      case tkLString:
        stream.WritePoolString(prop->GetStr(*this));
        break;
    }
  }
}

namespace {

// Sets the values of a property block on a record.
struct TPropertySetter {
  TLogEvent& Record;
  void operator()(const TPropInfo& prop, int32_t value) const { prop.SetOrd(Record, value); }
  void operator()(const TPropInfo& prop, double value) const { prop.SetFloat(Record, value); }
  void operator()(const TPropInfo& prop, const std::string& value) const {
    prop.SetStr(Record, value);
  }
};

}  // namespace

void TLogEvent::Read(TLogStream& stream) {
  ReadPropertyBlock(stream, ClassType(), TPropertySetter{*this});
}

const TPropInfo& TLogEvent::TickCountProperty() {
  static const TPropInfo& prop = *StaticClass().FindProperty("TickCount");
  return prop;
}

std::string TLogEvent::GetPropAndValue(std::string_view) const { return {}; }

std::string TLogEvent::AsString() const { return "-"; }

std::string TLogEvent::PropertyText(const TPropInfo& prop) const {
  switch (prop.Kind) {
    case tkInteger:
      return IntToStr(prop.GetOrd(*this));
    case tkChar:
      return std::string(1, static_cast<char>(prop.GetOrd(*this)));
    case tkEnumeration: {
      const int32_t ordinal = prop.GetOrd(*this);
      if (ordinal >= 0 && static_cast<size_t>(ordinal) < prop.EnumNames.size()) {
        return std::string(prop.EnumNames[static_cast<size_t>(ordinal)]);
      }
      return IntToStr(ordinal);
    }
    case tkFloat:
      return FloatToStr(prop.GetFloat(*this));
    case tkString:
    case tkLString:
      return prop.GetStr(*this);
  }
  return LoadStr(log_strings::SUnknownPropertyType);
}

void TLogEvent::GetPropertiesAndValues(TStrings* list) const {
  if (!list) return;
  list->Add("EventName=" + GetEventName());
  for (const TPropInfo* prop : ClassType().Properties()) {
    std::string line = GetPropAndValue(prop->Name);
    if (line.empty() && prop->IsStreamed()) {
      line = std::string(prop->Name) + "=" + PropertyText(*prop);
    }
    if (!line.empty()) list->Add(line);
  }
}
