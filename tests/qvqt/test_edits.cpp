// Edit records once per focus visit, and the focus records around them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "families/api_events.h"
#include "families/std_events.h"
#include "tests/qvqt/recording_fixture.h"

namespace {

class EditTest : public RecordingFixture {
 protected:
  EditTest() {
    Window.setObjectName("OrderForm");
    auto* layout = new QVBoxLayout(&Window);
    Customer = new QLineEdit;
    Customer->setObjectName("CustomerEdit");
    Password = new QLineEdit;
    Password->setObjectName("PasswordEdit");
    Password->setEchoMode(QLineEdit::Password);
    Notes = new QPlainTextEdit;
    Notes->setObjectName("NotesMemo");
    Remarks = new QTextEdit;  // unnamed
    for (QWidget* edit : {static_cast<QWidget*>(Customer), static_cast<QWidget*>(Password),
                          static_cast<QWidget*>(Notes), static_cast<QWidget*>(Remarks)}) {
      layout->addWidget(edit);
    }
  }

  // Gives the focus to `widget` as a click would (the tab key would select a line edit's text).
  static void Focus(QWidget* widget) { widget->setFocus(Qt::MouseFocusReason); }

  QLineEdit* Customer;
  QLineEdit* Password;
  QPlainTextEdit* Notes;
  QTextEdit* Remarks;
};

}  // namespace

TEST_F(EditTest, AChangedLineEditIsRecordedWhenTheFocusLeavesIt) {
  ShowAndRecord();
  Focus(Customer);
  QTest::keyClicks(Customer, "Smith");
  Focus(Notes);

  const auto edits = Recorded<TEditEvent>();
  ASSERT_EQ(edits.size(), 1u);
  EXPECT_EQ(edits[0]->WindowName(), "OrderForm.CustomerEdit");
  EXPECT_EQ(edits[0]->Text(), "\"Smith\"");
}

TEST_F(EditTest, AVisitWithoutAChangeAndAProgramsChangeElsewhereAreNotRecorded) {
  ShowAndRecord();
  Focus(Customer);
  Password->setText("set by the program");
  Focus(Notes);
  Focus(Customer);

  EXPECT_TRUE(Recorded<TEditEvent>().empty());
}

TEST_F(EditTest, EveryChangedVisitGivesItsOwnRecord) {
  ShowAndRecord();
  Focus(Customer);
  QTest::keyClicks(Customer, "Sm");
  Focus(Notes);
  Focus(Customer);
  QTest::keyClicks(Customer, "ith");
  Focus(Notes);

  const auto edits = Recorded<TEditEvent>();
  ASSERT_EQ(edits.size(), 2u);
  EXPECT_EQ(edits[0]->Text(), "\"Sm\"");
  EXPECT_EQ(edits[1]->Text(), "\"Smith\"");
}

TEST_F(EditTest, PasswordEchoModesAreMaskedOneStarPerCharacter) {
  Customer->setEchoMode(QLineEdit::PasswordEchoOnEdit);
  ShowAndRecord();
  Focus(Password);
  QTest::keyClicks(Password, "secret");
  Focus(Customer);
  QTest::keyClicks(Customer, "abc");
  Focus(Notes);

  const auto edits = Recorded<TEditEvent>();
  ASSERT_EQ(edits.size(), 2u);
  EXPECT_EQ(edits[0]->WindowName(), "OrderForm.PasswordEdit");
  EXPECT_EQ(edits[0]->Text(), "******");
  EXPECT_EQ(edits[1]->Text(), "***");
}

TEST_F(EditTest, MultiLineEditsShowTheirFirstFiftyCharactersWithDots) {
  ShowAndRecord();
  Focus(Notes);
  QTest::keyClicks(Notes, QString(60, 'x'));
  Focus(Remarks);
  QTest::keyClicks(Remarks, "ab");
  Focus(Customer);

  const auto edits = Recorded<TEditEvent>();
  ASSERT_EQ(edits.size(), 2u);
  EXPECT_EQ(edits[0]->WindowName(), "OrderForm.NotesMemo");
  EXPECT_EQ(edits[0]->Text(), "\"" + std::string(50, 'x') + "...\"");
  EXPECT_EQ(edits[1]->WindowName(), "OrderForm.TextEdit");
  EXPECT_EQ(edits[1]->Text(), "\"ab...\"");
}

TEST_F(EditTest, FocusChangesAreRecordedBeforeAndAfterTheEditsRecord) {
  ShowAndRecord();  // the first line edit has the focus already: its visit starts unrecorded
  Focus(Notes);
  Focus(Customer);
  QTest::keyClicks(Customer, "x");
  Focus(Password);
  StopQtRecording();

  std::vector<std::string> steps;
  for (const auto& record : ReadLog()) {
    if (const auto* focus = dynamic_cast<const TSetFocusEvent*>(record.get())) {
      steps.push_back("focus " + focus->WindowName());
    } else if (const auto* edit = dynamic_cast<const TEditEvent*>(record.get())) {
      steps.push_back("edit " + edit->WindowName());
    }
  }
  EXPECT_THAT(
      steps, ::testing::ElementsAre("focus OrderForm.NotesMemo", "focus OrderForm.CustomerEdit",
                                    "edit OrderForm.CustomerEdit", "focus OrderForm.PasswordEdit"));
}
