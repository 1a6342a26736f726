#pragma once
// TRichEdit: a multi-line edit whose notifications are those of an edit asking only for changes:
// it tells its parent EN_SETFOCUS, EN_CHANGE and EN_KILLFOCUS, but never EN_UPDATE.

#include "platform/vcl/edit.h"

class TRichEdit : public TCustomMemo {
  COMPONENT_CLASS(TRichEdit)

 public:
  using TCustomMemo::TCustomMemo;

 protected:
  bool ReportsUpdates() const override { return false; }
};
