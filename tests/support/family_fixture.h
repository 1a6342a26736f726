#pragma once
// A host with the capture families for tests: the naming unit, the standard-control, common-control
// and window and mouse families registered in their order, a clean desktop, and the records of a
// finished log between its session records.

#include <gtest/gtest.h>

#include "families/additional_family.h"
#include "families/api_family.h"
#include "families/qv_utils.h"
#include "families/std_family.h"
#include "families/win31_family.h"
#include "families/win32_family.h"
#include "platform/vcl/win_control.h"
#include "tests/support/capture_fixture.h"

// A control of class T made by `owner`, named, and placed on `parent`; `bounds` holds its left,
// top, width and height.
template <typename T>
T* PlaceControl(TComponent* owner, TWinControl* parent, const std::string& name, RECT bounds) {
  auto* control = new T(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
  return control;
}

class FamilyFixture : public CaptureFixture {
 protected:
  void SetUp() override {
    CaptureFixture::SetUp();
    InitializeQVUtils();
    // A library that registers the families when it loads needs no second proxy.
    if (!TLogStream::FindClassByName("TButtonEvent")) RegisterStandardFamily();
    if (!TLogStream::FindClassByName("TTabControlChangeEvent")) RegisterWin32Family();
    if (!TLogStream::FindClassByName("TActivateEvent")) RegisterAPIFamily();
    if (!TLogStream::FindClassByName("TSpeedButtonEvent")) RegisterAdditionalFamily();
    if (!TLogStream::FindClassByName("TOutlineNodeChangeEvent")) RegisterWin31Family();
  }
  void TearDown() override {
    CaptureFixture::TearDown();
    DoneApplication();
    ResetWindowingForTests();
  }

  // Stops the log and reads back what was recorded between the start and the end of the session.
  TRecords Recorded() {
    StopEventLog();
    TRecords records = ReadLogFile(LogFile());
    EXPECT_EQ(records.front()->ClassName(), "TStartSessionEvent");
    EXPECT_EQ(records.back()->ClassName(), "TStopSessionEvent");
    records.pop_back();
    records.erase(records.begin());
    return records;
  }
};
