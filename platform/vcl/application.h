#pragma once
// TApplication: the program's application object. It owns the forms it creates, knows the main
// form, runs the message loop, and decides what happens to an exception that reaches the loop:
// its exception event when one is assigned, otherwise a message box.

#include <functional>
#include <string>

#include "platform/vcl/component.h"
#include "platform/win32/windows.h"

class TCustomForm;

using TExceptionEventHandler = std::function<void(TObject* sender, const std::exception& e)>;
// Runs when the message queue is empty; `done` (true on entry) left true means that nothing more
// is to be done before the next message comes, false that the handler wants to run again first.
using TIdleEvent = std::function<void(TObject* sender, bool& done)>;

class TApplication : public TComponent {
  COMPONENT_CLASS(TApplication)

 public:
  explicit TApplication(TComponent* owner);

  const TExceptionEventHandler& OnException() const { return FOnException; }
  void SetOnException(TExceptionEventHandler handler) { FOnException = std::move(handler); }
  // Passes an exception to the exception event, or shows it when none is assigned. An exception
  // raised by the event itself is shown in its place: nothing escapes from here.
  void HandleException(TObject* sender, const std::exception& e);
  // Shows the exception's message in a message box titled with the application's title.
  void ShowException(const std::exception& e);

  std::string ExeName() const;
  // The title of message boxes: the executable's name without its extension.
  std::string Title() const;

  // Creates a form of the given class owned by the application; the first becomes the main form.
  TCustomForm* CreateForm(const TComponentClass& formClass);
  template <typename T>
  T* CreateForm() {
    return static_cast<T*>(CreateForm(T::StaticClass()));
  }
  TCustomForm* MainForm() const { return FMainForm; }
  // Makes a form the main form, for hosts that create their forms otherwise (from form files).
  void SetMainForm(TCustomForm* form);

  // Shows the main form and dispatches messages until WM_QUIT or Terminate.
  void Run();
  // Dispatches every pending message; returns when the queue is empty or WM_QUIT was taken.
  void ProcessMessages();
  // Dispatches one message. With none pending, runs OnIdle and then, unless the handler asked
  // to run again, waits for the next one. Taking WM_QUIT sets Terminated.
  void HandleMessage();
  // What a scripted session uses to act while a modal form's message loop waits for the user.
  TIdleEvent OnIdle;
  // Ends the message loop: posts WM_QUIT, which sets Terminated when the loop takes it.
  void Terminate();
  bool Terminated() const { return FTerminated; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Dispatch(const MSG& message);
  // Takes and dispatches one pending message; false when there was none. Taking WM_QUIT sets
  // `quit` and Terminated.
  bool ProcessMessage(bool& quit);

  TExceptionEventHandler FOnException;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The process's application object.
TApplication& Application();
// Destroys the application's forms and components and starts it afresh: what a host does when it
// ends, and what tests do between cases.
void DoneApplication();
