#pragma once
// TKDTracebook: the component a developer places on a form to log the user's actions. Its
// published properties name the log file and the application, hold the record filter and say
// whether logging starts by itself once the form is loaded; its methods start and stop the log
// and write the developer's markers. The log itself is the engine's, shared by the whole process.

#include <memory>
#include <string>
#include <string_view>

#include "capture/log_event_strings.h"
#include "platform/vcl/component.h"

class TKDTracebook : public TComponent {
  COMPONENT_CLASS(TKDTracebook)

 public:
  // A new component logs every registered record class.
  explicit TKDTracebook(TComponent* owner);
  // Stops a running log, whichever component or call started it, also when OnStopLog fails.
  ~TKDTracebook() override;

  const std::string& ApplicationID() const { return FApplicationID; }
  // Raises ETracebookError "Tracebook is already open" for a new value while logging.
  void SetApplicationID(const std::string& value);
  bool AutoStart() const { return FAutoStart; }
  void SetAutoStart(bool value) { FAutoStart = value; }
  const std::string& Filename() const { return FFilename; }
  // Raises ETracebookError "Tracebook is already open" for a new value while logging.
  void SetFilename(const std::string& value);
  // The filter lines. Editing them in place takes effect at the next Start or SetLogEvents.
  TKDLogEventStrings* LogEvents() const { return FLogEvents.get(); }
  // Replaces the filter lines and applies them at once.
  void SetLogEvents(const TStrings& value);
  std::string Version() const { return "1.04"; }
  void SetVersion(const std::string&) {}

  // Called with the component as sender right after a start, and right before a stop (the log is
  // still open then, so the handler may write markers).
  const TNotifyEvent& OnStartLog() const { return FOnStartLog; }
  void SetOnStartLog(TNotifyEvent handler) { FOnStartLog = std::move(handler); }
  const TNotifyEvent& OnStopLog() const { return FOnStopLog; }
  void SetOnStopLog(TNotifyEvent handler) { FOnStopLog = std::move(handler); }

  // The engine's state, not this component's.
  bool Started() const;
  void SetStarted(bool value);
  bool IncludeEvent(std::string_view className) const;
  void SetIncludeEvent(std::string_view className, bool include);

  // Raises ETracebookError "Tracebook is already open" while logging; does nothing in the
  // designer. Otherwise starts the log, applies the filter lines and fires OnStartLog.
  void Start();
  // Fires OnStopLog and stops the log; nothing when no log runs.
  void Stop();

  // The markers; each raises ETracebookError "Tracebook is not open" while not logging.
  void EnterSection(const std::string& name);
  void LeaveSection(const std::string& name);
  void LogSeparator();
  void LogUserMessage(const std::string& message);

  // Starts the log when AutoStart is set.
  void Loaded() override;

 protected:
  // Applies the filter lines to the engine, last to first, dropping lines without "=".
  virtual void UpdateEventFilter();
  virtual void DoStartLog();
  virtual void DoStopLog();

 private:
  // Raises "Tracebook is already open" when `current` would change while logging.
  void CheckChangeAllowed(const std::string& current, const std::string& value) const;

  std::string FFilename;
  bool FAutoStart = true;
  std::unique_ptr<TKDLogEventStrings> FLogEvents = std::make_unique<TKDLogEventStrings>();
  std::string FApplicationID;
  TNotifyEvent FOnStartLog;
  TNotifyEvent FOnStopLog;
};

// Makes the component known to form files; what the library does when it is loaded.
void RegisterTracebookComponent();
void UnregisterTracebookComponent();
