// TApplication: exception handling, forms, the message loop; the process's application object.

#include "platform/vcl/application.h"

#include <utility>

#include "platform/vcl/dialogs.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form.h"

namespace {

TApplication*& Instance() {
  static TApplication* application = nullptr;
  return application;
}

}  // namespace

TApplication& Application() {
  TApplication*& application = Instance();
  if (!application) application = new TApplication(nullptr);
  return *application;
}

void DoneApplication() { delete std::exchange(Instance(), nullptr); }

const TComponentClass& TApplication::StaticClass() {
  static const TComponentClass& cls =
      *new TComponentClass({.Name = "TApplication", .Parent = &TComponent::StaticClass()});
  return cls;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

void TApplication::HandleException(TObject* sender, const std::exception& e) {
  if (!FOnException) {
    ShowException(e);
    return;
  }
  try {
    FOnException(sender, e);
  } catch (const std::exception& raisedByHandler) {
    ShowException(raisedByHandler);
  }
}

void TApplication::ShowException(const std::exception& e) {
  ShowMessageBox(ExceptionDisplayText(e), Title());
}

std::string TApplication::ExeName() const { return ExecutableFileName(); }

std::string TApplication::Title() const { return ChangeFileExt(ExtractFileName(ExeName()), ""); }

TCustomForm* TApplication::CreateForm(const TComponentClass& formClass) {
  if (!formClass.InheritsFrom(TCustomForm::StaticClass()))
    throw EInvalidOperation(formClass.ClassName() + " is not a form class");
  auto* form = static_cast<TCustomForm*>(formClass.Create(this));
  if (!FMainForm) SetMainForm(form);
  return form;
}

void TApplication::SetMainForm(TCustomForm* form) {
  if (FMainForm) FMainForm->RemoveFreeNotification(this);
  FMainForm = form;
  if (form) form->FreeNotification(this);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FMainForm) FMainForm = nullptr;
}

void TApplication::Dispatch(const MSG& message) {
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) {
    try {
      MSG message;
      if (!GetMessageA(&message, 0, 0, 0)) {
        FTerminated = true;
        break;
      }
      Dispatch(message);
    } catch (const std::exception& e) {
      HandleException(this, e);
    }
  }
}

bool TApplication::ProcessMessage(bool& quit) {
  quit = false;
  try {
    MSG message;
    if (!PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
      FTerminated = quit = true;
      return true;
    }
    Dispatch(message);
  } catch (const std::exception& e) {
    HandleException(this, e);
  }
  return true;
}

void TApplication::ProcessMessages() {
  bool quit = false;
  while (ProcessMessage(quit) && !quit) {
  }
}

void TApplication::HandleMessage() {
  bool quit = false;
  if (ProcessMessage(quit)) return;
  bool done = true;
  if (OnIdle) {
    try {
      OnIdle(this, done);
    } catch (const std::exception& e) {
      HandleException(this, e);
    }
  }
  if (!done || FTerminated) return;
  try {
    MSG message;
    if (!GetMessageA(&message, 0, 0, 0)) {
      FTerminated = true;
      return;
    }
    Dispatch(message);
  } catch (const std::exception& e) {
    HandleException(this, e);
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }
