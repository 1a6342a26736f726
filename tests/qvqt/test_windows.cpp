// Mouse clicks, window activation, move, resize, minimise and maximise.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "families/api_events.h"
#include "families/std_events.h"
#include "tests/qvqt/recording_fixture.h"

namespace {

class WindowTest : public RecordingFixture {
 protected:
  WindowTest() {
    Window.setObjectName("OrderForm");
    Window.resize(300, 200);
    Label = new QLabel("Total", &Window);  // unnamed
    Label->setGeometry(10, 10, 100, 20);
    Ok = new QPushButton("OK", &Window);
    Ok->setObjectName("OKBtn");
    Ok->setGeometry(10, 50, 80, 30);
  }

  QLabel* Label;
  QPushButton* Ok;
};

}  // namespace

TEST_F(WindowTest, AClickIsRecordedOnceAtTheWidgetUnderThePointerBeforeTheButtonsRecord) {
  ShowAndRecord();
  QTest::mouseClick(Label, Qt::LeftButton, {}, QPoint(5, 6));  // a label passes it to the window
  QTest::mouseClick(Ok, Qt::RightButton, {}, QPoint(7, 8));
  QTest::mouseClick(Ok, Qt::MiddleButton);
  QTest::mouseClick(Ok, Qt::LeftButton, {}, QPoint(3, 4));
  StopQtRecording();

  std::vector<std::string> steps;
  for (const auto& record : ReadLog()) {
    if (const auto* click = dynamic_cast<const TMouseClickEvent*>(record.get())) {
      steps.push_back("mouse " + click->ControlName() + " " + std::to_string(click->X()) + "," +
                      std::to_string(click->Y()));
    } else if (const auto* button = dynamic_cast<const TButtonEvent*>(record.get())) {
      steps.push_back("button " + button->WindowName());
    }
  }
  EXPECT_THAT(steps,
              ::testing::ElementsAre("mouse OrderForm.Label 5,6", "mouse OrderForm.OKBtn 7,8",
                                     "mouse OrderForm.OKBtn 3,4", "button OrderForm.OKBtn"));
}

TEST_F(WindowTest, ActivatingAWindowNamesIt) {
  ShowAndRecord();
  QWidget other;
  other.setObjectName("OtherForm");
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  Window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));

  const auto activations = Recorded<TActivateEvent>();
  ASSERT_EQ(activations.size(), 2u);
  EXPECT_EQ(activations[0]->WindowName(), "OtherForm");
  EXPECT_EQ(activations[1]->WindowName(), "OrderForm");
}

TEST_F(WindowTest, MovingAndResizingAShownWindowRecordItsNewRectangle) {
  ShowAndRecord();
  Window.move(40, 30);
  Window.resize(320, 240);
  Ok->move(20, 60);  // a child's move is no window's

  const auto moves = Recorded<TMoveSizeEvent>();
  ASSERT_FALSE(moves.empty());
  const TMoveSizeEvent& last = *moves.back();
  EXPECT_EQ(last.WindowName(), "OrderForm");
  const QRect frame = Window.frameGeometry();
  EXPECT_EQ(last.Left(), frame.left());
  EXPECT_EQ(last.Top(), frame.top());
  EXPECT_EQ(last.Right(), frame.left() + frame.width());
  EXPECT_EQ(last.Bottom(), frame.top() + frame.height());
  for (const auto& move : moves) EXPECT_EQ(move->WindowName(), "OrderForm");
}

TEST_F(WindowTest, MinimisingMaximisingAndRestoringNameTheShowCommand) {
  ShowAndRecord();
  Window.setWindowState(Qt::WindowMinimized);
  Window.setWindowState(Qt::WindowNoState);
  Window.setWindowState(Qt::WindowMaximized);

  const auto states = Recorded<TMinMaxEvent>();
  ASSERT_EQ(states.size(), 3u);
  EXPECT_EQ(states[0]->WindowName(), "OrderForm");
  EXPECT_EQ(states[0]->Action(), "minimize");
  EXPECT_EQ(states[1]->Action(), "restore");
  EXPECT_EQ(states[2]->Action(), "show maximized");
}
