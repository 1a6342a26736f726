// Combo box choices.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "families/std_events.h"
#include "tests/qvqt/recording_fixture.h"

namespace {

class ComboBoxTest : public RecordingFixture {
 protected:
  ComboBoxTest() {
    Window.setObjectName("OrderForm");
    auto* layout = new QVBoxLayout(&Window);
    Payment = new QComboBox;
    Payment->setObjectName("PaymentCombo");
    Payment->addItems({"Cash", "Card", "Invoice"});
    City = new QComboBox;
    City->setObjectName("CityCombo");
    City->setEditable(true);
    City->addItems({"Berlin", "Paris"});
    Other = new QLineEdit;
    Other->setObjectName("OtherEdit");
    layout->addWidget(Payment);
    layout->addWidget(City);
    layout->addWidget(Other);
  }

  QComboBox* Payment;
  QComboBox* City;
  QLineEdit* Other;
};

}  // namespace

TEST_F(ComboBoxTest, EachChoiceOfTheUserRecordsTheItemAndItsIndex) {
  ShowAndRecord();
  Payment->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Payment, Qt::Key_Down);
  QTest::keyClick(Payment, Qt::Key_Down);
  Payment->setCurrentIndex(0);  // the program's own change is no choice

  const auto choices = Recorded<TComboBoxSelectEvent>();
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[0]->WindowName(), "OrderForm.PaymentCombo");
  EXPECT_EQ(choices[0]->SelectedItem(), "\"Card\"");
  EXPECT_EQ(choices[0]->SelectedIndex(), 1);
  EXPECT_EQ(choices[1]->SelectedItem(), "\"Invoice\"");
  EXPECT_EQ(choices[1]->SelectedIndex(), 2);
}

TEST_F(ComboBoxTest, AnEditableComboBoxRecordsItsTextWhenTheFocusLeaves) {
  ShowAndRecord();
  City->setFocus(Qt::TabFocusReason);
  City->lineEdit()->selectAll();
  QTest::keyClicks(City, "Rome");
  Other->setFocus(Qt::TabFocusReason);
  Payment->setFocus(Qt::TabFocusReason);  // a line edit visited without change adds nothing

  const auto choices = Recorded<TComboBoxSelectEvent>();
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0]->WindowName(), "OrderForm.CityCombo");
  EXPECT_EQ(choices[0]->SelectedItem(), "\"Rome\"");
  EXPECT_EQ(choices[0]->SelectedIndex(), -1);
  EXPECT_TRUE(Recorded<TEditEvent>().empty());
}
