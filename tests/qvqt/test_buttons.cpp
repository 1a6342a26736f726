// Button clicks and check states.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "families/std_events.h"
#include "tests/qvqt/recording_fixture.h"

namespace {

class ButtonTest : public RecordingFixture {
 protected:
  ButtonTest() {
    Window.setObjectName("OrderForm");
    auto* layout = new QVBoxLayout(&Window);
    auto* frame = new QFrame;  // unnamed
    auto* inner = new QVBoxLayout(frame);
    layout->addWidget(frame);
    Ok = Add<QPushButton>(inner, "OKBtn", "OK");
    Unnamed = Add<QPushButton>(inner, "", "Cancel");
    Express = Add<QCheckBox>(inner, "ExpressBox", "Express");
    Post = Add<QRadioButton>(inner, "PostRadio", "Post");
    Courier = Add<QRadioButton>(inner, "CourierRadio", "Courier");
    Bold = Add<QToolButton>(inner, "BoldTool", "B");
    Bold->setCheckable(true);
    Post->setChecked(true);
  }

  template <typename T>
  T* Add(QVBoxLayout* layout, const char* name, const char* text) {
    auto* button = new T;
    button->setObjectName(name);
    button->setText(text);
    layout->addWidget(button);
    return button;
  }

  QPushButton* Ok;
  QPushButton* Unnamed;
  QCheckBox* Express;
  QRadioButton* Post;
  QRadioButton* Courier;
  QToolButton* Bold;
};

}  // namespace

TEST_F(ButtonTest, PushButtonClicksNameTheButtonWithoutAState) {
  ShowAndRecord();
  QTest::mouseClick(Ok, Qt::LeftButton);
  QTest::mouseClick(Unnamed, Qt::LeftButton);

  const auto clicks = Recorded<TButtonEvent>();
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0]->WindowName(), "OrderForm.Frame.OKBtn");
  EXPECT_EQ(clicks[0]->Action(), "");
  EXPECT_EQ(clicks[1]->WindowName(), "OrderForm.Frame.PushButton");
}

TEST_F(ButtonTest, CheckBoxesAndToolButtonsRecordTheirNewState) {
  ShowAndRecord();
  QTest::mouseClick(Express, Qt::LeftButton);
  QTest::mouseClick(Express, Qt::LeftButton);
  QTest::mouseClick(Bold, Qt::LeftButton);
  Express->setTristate(true);
  QTest::mouseClick(Express, Qt::LeftButton);  // unchecked goes to partly checked

  const auto clicks = Recorded<TButtonEvent>();
  ASSERT_EQ(clicks.size(), 4u);
  EXPECT_EQ(clicks[0]->WindowName(), "OrderForm.Frame.ExpressBox");
  EXPECT_EQ(clicks[0]->Action(), " (checked)");
  EXPECT_EQ(clicks[0]->AsString(), "OrderForm.Frame.ExpressBox  (checked)");
  EXPECT_EQ(clicks[1]->Action(), " (unchecked)");
  EXPECT_EQ(clicks[2]->WindowName(), "OrderForm.Frame.BoldTool");
  EXPECT_EQ(clicks[2]->Action(), " (checked)");
  EXPECT_EQ(clicks[3]->Action(), " (indeterminate)");
}

TEST_F(ButtonTest, ARadioButtonIsRecordedOnceAndItsNeighbourNotAtAll) {
  ShowAndRecord();
  QTest::mouseClick(Courier, Qt::LeftButton);
  Post->setChecked(true);  // the program's own change is no user action

  const auto clicks = Recorded<TButtonEvent>();
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0]->WindowName(), "OrderForm.Frame.CourierRadio");
  EXPECT_EQ(clicks[0]->Action(), " (checked)");
}

TEST_F(ButtonTest, TheSpaceKeyClicksAsTheMouseDoes) {
  ShowAndRecord();
  Express->setFocus();
  QTest::keyClick(Express, Qt::Key_Space);

  const auto clicks = Recorded<TButtonEvent>();
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0]->Action(), " (checked)");
}

TEST_F(ButtonTest, AButtonMadeAfterTheStartIsRecordedOnceShown) {
  ShowAndRecord();
  auto* late = new QPushButton("Late", &Window);
  late->setObjectName("LateBtn");
  late->show();
  QTest::mouseClick(late, Qt::LeftButton);

  const auto clicks = Recorded<TButtonEvent>();
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0]->WindowName(), "OrderForm.LateBtn");
}
