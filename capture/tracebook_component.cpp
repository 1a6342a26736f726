// TKDTracebook: published properties, start and stop, the filter lines and the markers.

#include "capture/tracebook_component.h"

#include "capture/engine.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"

const TComponentClass& TKDTracebook::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TKDTracebook::ApplicationID, &TKDTracebook::SetApplicationID>("ApplicationID"),
      Published<&TKDTracebook::AutoStart, &TKDTracebook::SetAutoStart>("AutoStart",
                                                                       {.Default = true}),
      Published<&TKDTracebook::Filename, &TKDTracebook::SetFilename>("Filename"),
      Published<&TKDTracebook::LogEvents, &TKDTracebook::SetLogEvents>("LogEvents"),
      Published<&TKDTracebook::Version, &TKDTracebook::SetVersion>("Version",
                                                                   {.Stored = &NeverStored}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TKDTracebook",
      .Parent = &TComponent::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TKDTracebook>,
  });
  return cls;
}

TKDTracebook::TKDTracebook(TComponent* owner) : TComponent(owner) {
  GetRegisteredLogEvents(FLogEvents.get());
  for (int i = 0; i < FLogEvents->Count(); ++i) FLogEvents->Put(i, FLogEvents->Get(i) + "=1");
}

TKDTracebook::~TKDTracebook() {
  // A destructor has nobody to report a failure to. A failing OnStopLog handler ends Stop before
  // the log is stopped, and a component that goes away must not leave it running; a log that
  // cannot be written any more is closed by the engine all the same.
  try {
    Stop();
  } catch (...) {
  }
  try {
    StopEventLog();
  } catch (...) {
  }
}

void TKDTracebook::CheckChangeAllowed(const std::string& current, const std::string& value) const {
  if (value != current && Started()) throw ETracebookError(log_strings::SLogAlreadyOpen);
}

void TKDTracebook::SetApplicationID(const std::string& value) {
  CheckChangeAllowed(FApplicationID, value);
  FApplicationID = value;
}

void TKDTracebook::SetFilename(const std::string& value) {
  CheckChangeAllowed(FFilename, value);
  FFilename = value;
}

void TKDTracebook::SetLogEvents(const TStrings& value) {
  FLogEvents->Assign(value);
  UpdateEventFilter();
}

bool TKDTracebook::Started() const { return IsLogStarted(); }

void TKDTracebook::SetStarted(bool value) {
  if (value == Started()) return;
  if (value) {
    Start();
  } else {
    Stop();
  }
}

bool TKDTracebook::IncludeEvent(std::string_view className) const {
  return LogEventEnabled(className);
}

void TKDTracebook::SetIncludeEvent(std::string_view className, bool include) {
  if (include) {
    IncludeLogEvent(className);
  } else {
    ExcludeLogEvent(className);
  }
}

void TKDTracebook::Start() {
  if (Started()) throw ETracebookError(log_strings::SLogAlreadyOpen);
  if (ComponentState().Contains(csDesigning)) return;  // nothing is ever logged in the designer
  StartEventLog(FFilename, FApplicationID);
  UpdateEventFilter();
  DoStartLog();
}

void TKDTracebook::Stop() {
  if (!Started()) return;
  DoStopLog();
  StopEventLog();
}

void TKDTracebook::EnterSection(const std::string& name) { LogSectionEvent(name, true); }

void TKDTracebook::LeaveSection(const std::string& name) { LogSectionEvent(name, false); }

void TKDTracebook::LogSeparator() { ::LogSeparator(); }

void TKDTracebook::LogUserMessage(const std::string& message) { ::LogUserMessage(message); }

void TKDTracebook::Loaded() {
  TComponent::Loaded();
  if (FAutoStart) Start();
}

void TKDTracebook::UpdateEventFilter() {
  for (int i = FLogEvents->Count() - 1; i >= 0; --i) {
    const std::string& line = FLogEvents->Get(i);
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      FLogEvents->Delete(i);
      continue;
    }
    const bool include = equals + 1 >= line.size() || line[equals + 1] != '0';
    SetIncludeEvent(std::string_view(line).substr(0, equals), include);
  }
}

void TKDTracebook::DoStartLog() {
  if (FOnStartLog) FOnStartLog(this);
}

void TKDTracebook::DoStopLog() {
  if (FOnStopLog) FOnStopLog(this);
}

void RegisterTracebookComponent() { RegisterClass(TKDTracebook::StaticClass()); }

void UnregisterTracebookComponent() { UnRegisterClass(TKDTracebook::StaticClass()); }
