#pragma once
// Containers: panels and group boxes hold other controls; neither is a tab stop by default, but Tab
// visits the controls inside them. Typing a group box's mnemonic moves the focus to its first tab
// stop, or else to the first of its controls that can take the focus.

#include "platform/vcl/std_control.h"

class TPanel : public TStdControl {
  COMPONENT_CLASS(TPanel)

 public:
  using TStdControl::TStdControl;
};

class TCustomGroupBox : public TStdControl {
  COMPONENT_CLASS(TCustomGroupBox)

 public:
  using TStdControl::TStdControl;
  void WndProc(TMessage& message) override;
};

class TGroupBox : public TCustomGroupBox {
  COMPONENT_CLASS(TGroupBox)

 public:
  using TCustomGroupBox::TCustomGroupBox;
};
