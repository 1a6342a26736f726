#pragma once
// Records of the window and mouse family: a window activated, minimised, maximised or restored,
// moved or sized, given the focus, and a mouse click on a control.

#include <cstdint>
#include <string>

#include "log/log_event.h"

// What the window records share: the name of the window concerned. Not a record class of its
// own; each record class below derives from TLogEvent in the registry.
class TWindowEvent : public TLogEvent {
 public:
  explicit TWindowEvent(TFromStream tag) : TLogEvent(tag) {}
  explicit TWindowEvent(std::string windowName) : FWindowName(std::move(windowName)) {}
  const std::string& WindowName() const { return FWindowName; }
  std::string AsString() const override { return FWindowName; }

  static constexpr TPropInfo WindowNameProperty() {
    return FieldProperty<&TWindowEvent::FWindowName>("WindowName");
  }

 private:
  std::string FWindowName;
};

class TActivateEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TActivateEvent, TWindowEvent)
  explicit TActivateEvent(std::string windowName) : TWindowEvent(std::move(windowName)) {}
};

class TSetFocusEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TSetFocusEvent, TWindowEvent)
  explicit TSetFocusEvent(std::string windowName) : TWindowEvent(std::move(windowName)) {}
};

class TMinMaxEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TMinMaxEvent, TWindowEvent)
  // `action` is the name of the show command.
  TMinMaxEvent(std::string windowName, std::string action)
      : TWindowEvent(std::move(windowName)), FAction(std::move(action)) {}
  const std::string& Action() const { return FAction; }
  std::string AsString() const override;

 private:
  std::string FAction;
};

class TMoveSizeEvent : public TWindowEvent {
  LOG_EVENT_CLASS(TMoveSizeEvent, TWindowEvent)
  // The window's new rectangle.
  TMoveSizeEvent(std::string windowName, int16_t left, int16_t top, int16_t right, int16_t bottom)
      : TWindowEvent(std::move(windowName)),
        FLeft(left),
        FTop(top),
        FRight(right),
        FBottom(bottom) {}
  int16_t Left() const { return FLeft; }
  int16_t Top() const { return FTop; }
  int16_t Right() const { return FRight; }
  int16_t Bottom() const { return FBottom; }
  std::string AsString() const override;

 private:
  int16_t FLeft = 0;
  int16_t FTop = 0;
  int16_t FRight = 0;
  int16_t FBottom = 0;
};

class TMouseClickEvent : public TLogEvent {
  LOG_EVENT_CLASS(TMouseClickEvent, TLogEvent)
  // The control under the pointer, and the pointer in the client coordinates of the window that
  // received the click.
  TMouseClickEvent(std::string controlName, int16_t x, int16_t y)
      : FControlName(std::move(controlName)), FX(x), FY(y) {}
  const std::string& ControlName() const { return FControlName; }
  int16_t X() const { return FX; }
  int16_t Y() const { return FY; }
  std::string AsString() const override { return FControlName; }

 private:
  std::string FControlName;
  int16_t FX = 0;
  int16_t FY = 0;
};
