#pragma once
// The record base class TLogEvent and class references (TLogEventClass): every entry of a log is a
// TLogEvent whose class knows its name, its parent, its property table, how to construct a record
// from a log stream, and how records of it look in the viewer.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "log/property_info.h"
#include "platform/classes.h"
#include "platform/graphics.h"

class TLogEvent;
class TLogStream;

// Default look of a record class in the viewer's list.
struct TEventUIDefaults {
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool operator==(const TEventUIDefaults&) const = default;
};

// Selects the constructor that builds a record from a log stream (no clock reading).
struct TFromStream {};

// A record class: one object per class, reached by reference; nil is nullptr.
class TLogEventClass {
 public:
  using TStreamConstructor = std::unique_ptr<TLogEvent> (*)(TLogStream&);

  struct TDefinition {
    std::string_view Name = {};
    const TLogEventClass* Parent = nullptr;  // nullptr only for TLogEvent itself
    std::span<const TPropInfo> OwnProperties = {};
    TStreamConstructor CreateFromStream = nullptr;
    int EventNameId = 0;  // string-table text of GetEventName; 0 inherits (the root: the name)
    std::optional<TEventUIDefaults> UIDefaults = {};  // absent: inherited
    // Whether a record's body is the property block alone, as TLogEvent::Read reads it; set by
    // DefineLogEventClass from whether the class reads its body its own way.
    bool ReadsPropertyBlock = true;
  };

  explicit TLogEventClass(const TDefinition& definition);
  TLogEventClass(const TLogEventClass&) = delete;
  TLogEventClass& operator=(const TLogEventClass&) = delete;

  const std::string& ClassName() const { return FName; }
  const TLogEventClass* ClassParent() const { return FParent; }
  bool InheritsFrom(const TLogEventClass& ancestor) const;

  // Own and inherited properties, in ascending name order with letter case ignored.
  std::span<const TPropInfo* const> Properties() const { return FProperties; }
  // The properties with both accessors, in the same order: the entries of the generic block.
  std::span<const TPropInfo* const> StreamedProperties() const { return FStreamed; }
  const TPropInfo* FindProperty(std::string_view name) const;  // letter case ignored

  // Constructs a record of this class and lets it read its body from the stream.
  std::unique_ptr<TLogEvent> CreateFromStream(TLogStream& stream) const;
  std::string GetEventName() const;
  TEventUIDefaults Get_UI_Defaults() const;
  // Whether a record's body is the property block alone: a reader that wants only some of its
  // values may read them without constructing the record.
  bool ReadsPropertyBlock() const { return FReadsPropertyBlock; }

 private:
  std::string FName;
  const TLogEventClass* FParent;
  std::vector<const TPropInfo*> FProperties;
  std::vector<const TPropInfo*> FStreamed;
  TStreamConstructor FCreateFromStream;
  int FEventNameId;
  bool FReadsPropertyBlock;
  std::optional<TEventUIDefaults> FUIDefaults;
};

// Builds a record of class T from a stream: the stream constructor, then Read.
template <typename T>
std::unique_ptr<TLogEvent> ConstructFromStream(TLogStream& stream);

// Declares the class-reference members of a record class. The class's .cpp defines StaticClass
// with DefineLogEventClass.
#define LOG_EVENT_CLASS(Class, Parent)             \
 public:                                           \
  explicit Class(TFromStream tag) : Parent(tag) {} \
  static const TLogEventClass& StaticClass();      \
  const TLogEventClass& ClassType() const override { return StaticClass(); }

class TLogEvent {
 public:
  // A record for writing: the tick count is taken from the clock.
  TLogEvent();
  // A record being read: the tick count comes from the log.
  explicit TLogEvent(TFromStream) {}
  virtual ~TLogEvent() = default;
  TLogEvent(const TLogEvent&) = delete;
  TLogEvent& operator=(const TLogEvent&) = delete;

  static const TLogEventClass& StaticClass();
  virtual const TLogEventClass& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().ClassName(); }
  bool InheritsFrom(const TLogEventClass& ancestor) const {
    return ClassType().InheritsFrom(ancestor);
  }
  std::string GetEventName() const { return ClassType().GetEventName(); }
  TEventUIDefaults Get_UI_Defaults() const { return ClassType().Get_UI_Defaults(); }

  int32_t TickCount() const { return FTickCount; }
  void SetTickCount(int32_t value) { FTickCount = value; }

  // Registers every string that Write will refer to through the pool.
  virtual void CheckStrings(TLogStream& stream) const;
  // The generic property block.
  virtual void Read(TLogStream& stream);
  virtual void Write(TLogStream& stream) const;
  // A class's own text for one property: the whole "Name=value" line, or "" to use the generic one.
  virtual std::string GetPropAndValue(std::string_view name) const;
  virtual std::string AsString() const;
  // Appends "EventName=..." and a "Name=value" line per listed property; nil does nothing.
  void GetPropertiesAndValues(TStrings* list) const;

  // Generic access to a property of this record's class.
  std::string PropertyText(const TPropInfo& prop) const;
  // The property every record has: the tick count it was written at.
  static const TPropInfo& TickCountProperty();

 private:
  int32_t FTickCount = 0;
};

template <typename T>
std::unique_ptr<TLogEvent> ConstructFromStream(TLogStream& stream) {
  std::unique_ptr<TLogEvent> record = std::make_unique<T>(TFromStream{});
  record->Read(stream);
  return record;
}

// Keeps a class object for as long as the process lives, so that it outlasts every record and
// every registry entry that refers to it, also when it was defined by a package that is unloaded.
const TLogEventClass& KeepLogEventClass(std::unique_ptr<TLogEventClass> cls);

// Creates the class object of record class T once.
template <typename T>
const TLogEventClass& DefineLogEventClass(TLogEventClass::TDefinition definition) {
  definition.CreateFromStream = &ConstructFromStream<T>;
  // Names the Read of the class that declares it last: TLogEvent's own unless T replaces it.
  definition.ReadsPropertyBlock = std::is_same_v<decltype(&T::Read), decltype(&TLogEvent::Read)>;
  return KeepLogEventClass(std::make_unique<TLogEventClass>(definition));
}
