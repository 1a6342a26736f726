// Tabs chosen, and sliders and scroll bars at the end of each gesture.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "families/std_events.h"
#include "families/win32_events.h"
#include "tests/qvqt/recording_fixture.h"

namespace {

class TabsAndSlidersTest : public RecordingFixture {
 protected:
  TabsAndSlidersTest() {
    Window.setObjectName("OrderForm");
    auto* layout = new QVBoxLayout(&Window);
    Pages = new QTabWidget;
    Pages->setObjectName("PagesTab");
    Pages->addTab(new QWidget, "&General");
    Pages->addTab(new QWidget, "&Items");
    Pages->addTab(new QWidget, "Extra");
    Pages->setTabEnabled(2, false);
    Quantity = new QSlider(Qt::Horizontal);
    Quantity->setObjectName("QtySlider");
    Quantity->setRange(0, 100);
    Quantity->setPageStep(10);
    Scroll = new QScrollBar(Qt::Vertical);
    Scroll->setObjectName("ListScroll");
    layout->addWidget(Pages);
    layout->addWidget(Quantity);
    layout->addWidget(Scroll);
  }

  void ClickTab(int index) {
    QTabBar* bar = Pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  QTabWidget* Pages;
  QSlider* Quantity;
  QScrollBar* Scroll;
};

}  // namespace

TEST_F(TabsAndSlidersTest, ATabChosenIsNamedByItsTabWidgetWithItsTextAndIndex) {
  ShowAndRecord();
  ClickTab(1);
  ClickTab(1);                // the current tab again chooses nothing
  ClickTab(2);                // nor does a disabled one
  Pages->setCurrentIndex(0);  // nor the program
  ClickTab(1);

  const auto tabs = Recorded<TTabControlChangeEvent>();
  ASSERT_EQ(tabs.size(), 2u);
  EXPECT_EQ(tabs[0]->WindowName(), "OrderForm.PagesTab");
  EXPECT_EQ(tabs[0]->TabName(), "&Items");
  EXPECT_EQ(tabs[0]->TabIndex(), 1);
  EXPECT_EQ(tabs[1]->TabIndex(), 1);
}

TEST_F(TabsAndSlidersTest, EachStepAndEachDragOfASliderRecordsWhereItEnds) {
  ShowAndRecord();
  Quantity->setFocus();
  QTest::keyClick(Quantity, Qt::Key_Right);
  QTest::keyClick(Quantity, Qt::Key_PageUp);
  // A drag: the handle held, moved and let go.
  Quantity->setSliderDown(true);
  Quantity->setSliderPosition(40);
  Quantity->setSliderPosition(50);
  Quantity->setSliderDown(false);
  Quantity->setValue(70);  // the program's own change is no gesture

  const auto moves = Recorded<TTrackBarChangeEvent>();
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(moves[0]->WindowName(), "OrderForm.QtySlider");
  EXPECT_EQ(moves[0]->Position(), 1);
  EXPECT_EQ(moves[1]->Position(), 11);
  EXPECT_EQ(moves[2]->Position(), 50);
}

TEST_F(TabsAndSlidersTest, AScrollBarRecordsItsOrientationAndPosition) {
  ShowAndRecord();
  Scroll->setFocus();
  QTest::keyClick(Scroll, Qt::Key_Down);

  const auto scrolls = Recorded<TScrollBarEvent>();
  ASSERT_EQ(scrolls.size(), 1u);
  EXPECT_EQ(scrolls[0]->WindowName(), "OrderForm.ListScroll");
  EXPECT_EQ(scrolls[0]->Orientation(), "vertical");
  EXPECT_EQ(scrolls[0]->Position(), 1);
  EXPECT_TRUE(Recorded<TTrackBarChangeEvent>().empty());
}
