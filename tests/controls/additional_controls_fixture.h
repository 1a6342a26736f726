#pragma once
// Speed buttons, splitters and check list boxes on the controls fixture's form, with what their
// handlers and the form hear written down in order.

#include <string>
#include <vector>

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions_additional.h"
#include "tests/controls/controls_fixture.h"

class AdditionalControlsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterAdditionalControls();
  }

  // A handler that writes down `what` when it runs.
  TNotifyEvent Note(std::string what) {
    return [this, what](TObject*) { happened.push_back(what); };
  }
  std::vector<std::string> Happened() { return std::exchange(happened, {}); }

  std::vector<std::string> happened;
};
