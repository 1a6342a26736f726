#pragma once
// THotKey: a box that shows a shortcut and takes a new one from the keys pressed in it: a key
// (arrows and function keys included) with the Shift, Ctrl and Alt keys held at that moment
// becomes the value; the modifiers alone change nothing, and Backspace or Delete on their own
// clear it. It wants characters and arrows; Tab, Enter and Esc go on to the form. In form files
// the value is the framework's shortcut text (HotKey = 'Shift+Ctrl+A'; any order of the
// modifiers is read).

#include "platform/vcl/keyboard.h"
#include "platform/vcl/std_control.h"

class THotKey : public TStdControl {
  COMPONENT_CLASS(THotKey)

 public:
  explicit THotKey(TComponent* owner);

  TShortCut HotKey() const { return FHotKey; }
  void SetHotKey(TShortCut value) { FHotKey = value; }
  // The value as text; setting a text that names no shortcut raises EConvertError.
  std::string HotKeyText() const { return ShortCutToText(FHotKey); }
  void SetHotKeyText(const std::string& value);

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 private:
  void KeyPressed(WPARAM key);

  TShortCut FHotKey = 0;
};
