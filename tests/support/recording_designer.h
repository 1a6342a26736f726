#pragma once
// A design host for tests: designs a form of its own choosing and counts the notices that
// something on it changed.

#include "platform/vcl/design_designer.h"

class TRecordingDesigner : public TFormDesigner {
 public:
  explicit TRecordingDesigner(TComponent* form = nullptr) : FForm(form) {}
  TComponent* Form() const override { return FForm; }
  void Modified() override { ++ModifiedCount; }

  int ModifiedCount = 0;

 private:
  TComponent* FForm;
};
