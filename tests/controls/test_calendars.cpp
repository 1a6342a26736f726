// Month calendars and date-time pickers: the notifications of a pick with the mouse (in the
// picker's drop-down too), of the keys, and the bounds of their values.

#include "platform/vcl/user_actions_controls.h"
#include "tests/controls/common_controls_fixture.h"

namespace {

class CalendarsTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    month = Make<TMonthCalendar>(form, "Month", {10, 10, 200, 160});
    month->SetDateTime(EncodeDate(2026, 12, 9) + EncodeTime(9, 30, 0, 0));
    picker = Make<TDateTimePicker>(form, "Due", {220, 10, 120, 21});
    picker->SetDateTime(EncodeDate(2026, 12, 9) + EncodeTime(9, 30, 0, 0));
    form->Handle();
    Heard();
  }

  TMonthCalendar* month = nullptr;
  TDateTimePicker* picker = nullptr;
};

TEST_F(CalendarsTest, AClickOnAnotherDayChangesAndSelectsIt) {
  SimulateDatePick(*month, EncodeDate(2026, 12, 24));
  EXPECT_EQ(Heard(), (Lines{"MCN_SELCHANGE 2026-12-24 value=2026-12-24 09:30",
                            "MCN_SELECT 2026-12-24 value=2026-12-24 09:30"}));
  SimulateDatePick(*month, EncodeDate(2026, 12, 24));  // the chosen day: nothing changes
  EXPECT_EQ(Heard(), Lines{});
}

TEST_F(CalendarsTest, TheArrowsPageTheMonthsWithoutChangingTheDay) {
  SimulateClickAt(*month, month->ArrowPoint(true));
  SimulateClickAt(*month, month->ArrowPoint(true));
  EXPECT_EQ(month->Grid().ShownMonth(), 2);
  EXPECT_EQ(month->Date(), EncodeDate(2026, 12, 9));
  EXPECT_EQ(Heard(), Lines{});
  SimulateDatePick(*month, EncodeDate(2025, 11, 30));  // back past the year's start
  EXPECT_EQ(Heard(), (Lines{"MCN_SELCHANGE 2025-11-30 value=2025-11-30 09:30",
                            "MCN_SELECT 2025-11-30 value=2025-11-30 09:30"}));
}

TEST_F(CalendarsTest, ADayOfTheMonthBesideIsChosenAndShown) {
  // The grid's first cell is the Sunday before December 1st, 2026: November 29th.
  const POINT first = month->DayPoint(EncodeDate(2026, 12, 1));
  SimulateClickAt(*month, {first.x - month->Width() / 7 * 2, first.y});
  EXPECT_EQ(month->Date(), EncodeDate(2026, 11, 29));
  EXPECT_EQ(month->Grid().ShownMonth(), 11);
}

TEST_F(CalendarsTest, KeysMoveTheChosenDayAndReportEachMove) {
  month->SetFocus();
  Key(VK_RIGHT);
  Key(VK_DOWN);
  Key(VK_NEXT);
  EXPECT_EQ(Heard(), (Lines{"MCN_SELCHANGE 2026-12-10 value=2026-12-10 09:30",
                            "MCN_SELCHANGE 2026-12-17 value=2026-12-17 09:30",
                            "MCN_SELCHANGE 2027-01-17 value=2027-01-17 09:30"}));
  EXPECT_EQ(month->Grid().ShownMonth(), 1);
}

TEST_F(CalendarsTest, APickInTheDropDownReportsTwiceThenClosesIt) {
  SimulateDatePick(*picker, EncodeDate(2026, 11, 30));
  EXPECT_EQ(Heard(),
            (Lines{"DTN_DROPDOWN", "native MCN_SELCHANGE 2026-11-30",
                   "DTN_DATETIMECHANGE 2026-11-30 09:30 value=2026-11-30 09:30",
                   "native MCN_SELECT 2026-11-30",
                   "DTN_DATETIMECHANGE 2026-11-30 09:30 value=2026-11-30 09:30", "DTN_CLOSEUP"}));
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DateTime(), EncodeDate(2026, 11, 30) + EncodeTime(9, 30, 0, 0));
}

TEST_F(CalendarsTest, PickingTheSameDayInTheDropDownReportsOnceAsItCloses) {
  SimulateDatePick(*picker, EncodeDate(2026, 12, 9));
  EXPECT_EQ(Heard(),
            (Lines{"DTN_DROPDOWN", "native MCN_SELECT 2026-12-09",
                   "DTN_DATETIMECHANGE 2026-12-09 09:30 value=2026-12-09 09:30", "DTN_CLOSEUP"}));
}

TEST_F(CalendarsTest, TheDropDownClosesWithEscOrTheFocusGoing) {
  SimulateClickAt(*picker, {picker->Width() - 4, 10});
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_NE(picker->CalendarHandle(), 0u);
  Key(VK_ESCAPE);
  EXPECT_FALSE(picker->DroppedDown());
  Key(VK_DOWN, false, false, true);  // Alt+Down
  EXPECT_TRUE(picker->DroppedDown());
  SimulateClickAt(*month, month->ArrowPoint(true));  // the focus goes to the month calendar
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(Heard(), (Lines{"DTN_DROPDOWN", "DTN_CLOSEUP", "DTN_DROPDOWN", "DTN_CLOSEUP"}));
  EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 9));
}

TEST_F(CalendarsTest, APickerWhoseWindowIsMadeAnewDropsDownAgain) {
  SimulateClickAt(*picker, {picker->Width() - 4, 10});
  picker->DestroyHandle();  // its drop-down calendar goes with its window
  EXPECT_FALSE(picker->DroppedDown());
  picker->HandleNeeded();
  SimulateClickAt(*picker, {picker->Width() - 4, 10});
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_TRUE(IsWindowVisible(picker->CalendarHandle()));
}

TEST_F(CalendarsTest, ThePickersKeysStepAndTypeItsParts) {
  // The short date format m/d/yy: month, day, year.
  picker->SetFocus();
  Key(VK_UP);  // the month, round the year's end
  Key(VK_RIGHT);
  Key(VK_DOWN);  // the day
  Key('3');
  Key('1');  // the 31st, then on to the year
  Key(VK_UP);
  EXPECT_EQ(Heard(), (Lines{"DTN_DATETIMECHANGE 2026-01-09 09:30 value=2026-01-09 09:30",
                            "DTN_DATETIMECHANGE 2026-01-08 09:30 value=2026-01-08 09:30",
                            "DTN_DATETIMECHANGE 2026-01-03 09:30 value=2026-01-03 09:30",
                            "DTN_DATETIMECHANGE 2026-01-31 09:30 value=2026-01-31 09:30",
                            "DTN_DATETIMECHANGE 2027-01-31 09:30 value=2027-01-31 09:30"}));
  Key(VK_LEFT);
  Key(VK_LEFT);
  Key(VK_UP);  // February has no 31st: its last day
  EXPECT_EQ(picker->DateText(), "2027-02-28");
}

TEST_F(CalendarsTest, ATimePickerStepsAndWrapsItsPartsAndHasNoCalendar) {
  picker->SetKind(dtkTime);
  picker->SetFocus();
  Key(VK_DOWN);
  Key(VK_DOWN);  // 07:30
  Key(VK_RIGHT);
  Key('4');
  Key('5');  // two digits: on to the seconds
  Key('7');  // no second 7x: on at once
  Key('2');  // the seconds begin anew
  EXPECT_EQ(picker->TimeText(), "07:45:02");
  picker->SetTime(EncodeTime(0, 0, 0, 0));
  Key(VK_LEFT);
  Key(VK_LEFT);
  Key(VK_DOWN);
  EXPECT_EQ(picker->TimeText(), "23:00:00");
  EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 9));
  EXPECT_THROW(SimulateDatePick(*picker, EncodeDate(2026, 12, 1)), EInvalidOperation);
  Key(VK_F1 + 3);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(CalendarsTest, ValuesOutsideTheCalendarsYearsAreRefused) {
  EXPECT_THROW(month->SetDateTime(EncodeDate(1, 1, 1) - 1), EConvertError);
  EXPECT_EQ(month->Date(), EncodeDate(2026, 12, 9));
  EXPECT_THROW(month->SetDateText("2026-02-30"), EConvertError);
  EXPECT_THROW(month->SetDateText("26-2-3x"), EConvertError);
  EXPECT_THROW(picker->SetTimeText("25:00"), EConvertError);
  month->SetDateTime(EncodeDate(9999, 12, 31));
  SimulateClickAt(*month, month->ArrowPoint(true));  // no month after the last
  EXPECT_EQ(month->Grid().ShownYear(), 9999);
  month->SetFocus();
  Key(VK_RIGHT);
  EXPECT_EQ(month->Date(), EncodeDate(9999, 12, 31));
  EXPECT_THROW(month->DayPoint(EncodeDate(2026, 1, 1)), EInvalidOperation);
}

TEST_F(CalendarsTest, DatesBeforeTheEpochKeepTheirTimeOfDay) {
  picker->SetDateText("1850-06-01");
  EXPECT_EQ(picker->DateText(), "1850-06-01");
  EXPECT_EQ(picker->TimeText(), "09:30:00");
  SimulateDatePick(*picker, EncodeDate(1850, 6, 2));
  EXPECT_EQ(picker->TimeText(), "09:30:00");
  EXPECT_EQ(picker->DateText(), "1850-06-02");
}

}  // namespace
