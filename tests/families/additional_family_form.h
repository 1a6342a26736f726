#pragma once
// A form for the additional-control and outline families' tests: the standard-control form, whose
// fixture registers the two families after the others, as the library registers them.

#include "families/additional_family.h"
#include "families/win31_family.h"
#include "platform/vcl/additional_controls.h"
#include "tests/families/std_family_form.h"

class AdditionalFamilyForm : public StdFamilyForm {
 protected:
  // Presses the left button over one control and releases it over another, as a hand that slips.
  static void PressAndRelease(const TControl& pressed, const TControl& released) {
    SimulateMouseDown(TMouseButton::mbLeft, Centre(pressed));
    ProcessPendingMessages();
    SimulateMouseUp(TMouseButton::mbLeft, Centre(released));
    ProcessPendingMessages();
  }
  static POINT Centre(const TControl& control) {
    return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
  }
};
