// The filter window and the inspector: where they open, what they do to the rows and show of
// them, and what is remembered of them when they or the main window close.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>

#include "gui_fixture.h"
#include "viewer/gui/filter_window.h"
#include "viewer/gui/properties_window.h"
#include "viewer/gui/options_dialog.h"

namespace {

class ToolWindows : public GuiFixture {
 protected:
  TEventFilterForm& Filter() {
    EXPECT_NE(Window().FilterForm(), nullptr);
    return *Window().FilterForm();
  }
  TEventInspectorForm& Inspector() {
    EXPECT_NE(Window().InspectorForm(), nullptr);
    return *Window().InspectorForm();
  }
  QListWidgetItem* Item(const TLogEventClass& recordClass) {
    const auto found = Filter().EventItems()->findItems(
        QString::fromStdString(recordClass.GetEventName()), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
  }
  // The inspector's lines as "property=value".
  QStringList Lines() {
    QStringList lines;
    const QTableWidget* list = Inspector().PropList();
    for (int row = 0; row < list->rowCount(); ++row) {
      lines << list->item(row, 0)->text() + "=" + list->item(row, 1)->text();
    }
    return lines;
  }
  // The row showing a user message.
  int MessageRow(const std::string& text) {
    for (int row = 0; row < RowCount(); ++row) {
      if (Text(row, 2).toStdString() == text) return row;
    }
    ADD_FAILURE() << "no row " << text;
    return -1;
  }
  TOXOptions SavedSettings() {
    TOXOptions saved(Dir.File("Oxlane.ini"));
    saved.Load();
    return saved;
  }
};

TEST_F(ToolWindows, AFirstStartOpensBothWindowsDockedRight) {
  Window().show();
  for (TDockToolWindow* window :
       {static_cast<TDockToolWindow*>(&Filter()), static_cast<TDockToolWindow*>(&Inspector())}) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isFloating());
    EXPECT_EQ(Window().dockWidgetArea(window), Qt::RightDockWidgetArea);
  }
  EXPECT_EQ(Filter().windowTitle(), "Event Filter");
  EXPECT_EQ(Inspector().windowTitle(), "Event Inspector");
  const TEventForm::TActions& actions = Window().Actions();
  for (QAction* action : {actions.ViewFilter, actions.ViewDockFilter, actions.ViewInspector,
                          actions.ViewDockInspector}) {
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(action->isChecked());
  }
  EXPECT_FALSE(Filter().ApplyButton()->isEnabled());
  EXPECT_FALSE(actions.EditCopyPropertyValue->isEnabled());
}

TEST_F(ToolWindows, UncheckedClassesDisappearOnApplyAndComeBackWithSelectAll) {
  WriteSessionLog();
  Window().Load(LogFile);
  const int all = RowCount();
  Item(TUserMessageEvent::StaticClass())->setCheckState(Qt::Unchecked);
  EXPECT_EQ(RowCount(), all);  // only Apply changes the rows
  ASSERT_TRUE(Filter().ApplyButton()->isEnabled());
  Filter().ApplyButton()->click();
  EXPECT_EQ(RowCount(), all - 3);
  EXPECT_FALSE(Filter().ApplyButton()->isEnabled());

  Filter().ClearAll();
  for (int row = 0; row < Filter().EventItems()->count(); ++row) {
    EXPECT_EQ(Filter().EventItems()->item(row)->checkState(), Qt::Unchecked);
  }
  Filter().Apply();
  EXPECT_LT(RowCount(), all - 3);
  Filter().SelectAll();
  Filter().Apply();
  EXPECT_EQ(RowCount(), all);
}

TEST_F(ToolWindows, ARangeEndingBeforeItStartsIsRefusedAndTheRowsStay) {
  WriteSessionLog();
  Window().Load(LogFile);
  const int all = RowCount();
  TEventFilterForm& filter = Filter();
  EXPECT_FALSE(filter.DateFrom()->isEnabled());
  EXPECT_TRUE(filter.DateFrom()->calendarPopup());
  EXPECT_TRUE(filter.DateFrom()->displayFormat().contains("yyyy"));  // typed years keep the century
  filter.FilterFromBox()->click();
  filter.FilterToBox()->click();
  EXPECT_TRUE(filter.DateFrom()->isEnabled());
  EXPECT_TRUE(filter.TimeTo()->isEnabled());
  filter.DateFrom()->setDate(QDate(2000, 1, 2));
  filter.DateTo()->setDate(QDate(2000, 1, 1));
  filter.Apply();
  EXPECT_EQ(Dialogs.Errors, std::vector<std::string>{kFilterRangeErrorText});
  EXPECT_EQ(RowCount(), all);
  EXPECT_TRUE(filter.ApplyButton()->isEnabled());

  // From the session's start to a quarter of a second later: fewer rows.
  filter.DateFrom()->setDate(QDate(2000, 1, 1));
  filter.TimeFrom()->setTime(QTime(0, 0, 0));
  filter.TimeTo()->setTime(QTime(0, 0, 0, 250));
  filter.Apply();
  EXPECT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_NEAR(filter.State().GetTo() - filter.State().GetFrom(), Ms(250), 1e-9);
  EXPECT_GT(RowCount(), 0);
  EXPECT_LT(RowCount(), all);
  EXPECT_FALSE(filter.ApplyButton()->isEnabled());
}

TEST_F(ToolWindows, SessionAndSectionMarksAreCheckedInPairs) {
  Window().show();
  Item(TStartSessionEvent::StaticClass())->setCheckState(Qt::Unchecked);
  EXPECT_EQ(Item(TStopSessionEvent::StaticClass())->checkState(), Qt::Unchecked);
  EXPECT_EQ(Item(TUserMessageEvent::StaticClass())->checkState(), Qt::Checked);

  // A double click toggles the item itself first.
  emit Filter().EventItems()->itemDoubleClicked(Item(TLeaveSectionEvent::StaticClass()));
  EXPECT_EQ(Item(TLeaveSectionEvent::StaticClass())->checkState(), Qt::Unchecked);
  EXPECT_EQ(Item(TEnterSectionEvent::StaticClass())->checkState(), Qt::Unchecked);
}

TEST_F(ToolWindows, OptionsOkResetsTheCheckMarksToTheSettings) {
  WriteSessionLog();
  Window().Load(LogFile);
  const int all = RowCount();
  Item(TUserMessageEvent::StaticClass())->setCheckState(Qt::Unchecked);
  QTimer::singleShot(0, [] {
    auto* options = qobject_cast<TOptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(options, nullptr);
    options->accept();
  });
  Window().Actions().ViewOptions->trigger();
  EXPECT_EQ(Item(TUserMessageEvent::StaticClass())->checkState(), Qt::Checked);
  EXPECT_EQ(RowCount(), all);  // the unapplied change is gone, not applied by the rebuild
}

TEST_F(ToolWindows, TheInspectorFollowsTheSelectionAndLetsGoOfFreedRecords) {
  LogWriter(LogFile).At(1000).Start().At(1100).Message("x=y=z").At(1200).Message("plain").Stop();
  Window().Load(LogFile);
  EXPECT_TRUE(Lines().isEmpty());
  Window().View().Select(MessageRow("x=y=z"));
  EXPECT_TRUE(Lines().contains("Message=x=y=z")) << Lines().join(" ").toStdString();
  EXPECT_TRUE(Lines().contains(
      QString::fromStdString("EventName=" + TUserMessageEvent::StaticClass().GetEventName())));
  QStringList sorted = Lines();
  sorted.sort();
  EXPECT_EQ(Lines(), sorted);

  Window().View().Select(MessageRow("plain"));
  EXPECT_TRUE(Lines().contains("Message=plain"));
  Window().View().Select(-1);
  EXPECT_TRUE(Lines().isEmpty());

  Window().View().Select(MessageRow("plain"));
  Window().Load(LogFile);  // a reload frees the records and selects the same row again
  EXPECT_TRUE(Lines().contains("Message=plain"));
  Window().Load(Dir.File("missing.evt"));
  EXPECT_EQ(Inspector().State().Shown(), nullptr);
  EXPECT_TRUE(Lines().isEmpty());
}

TEST_F(ToolWindows, CopyPropertyValueCopiesTheSelectedLineAndIsOnlyThenEnabled) {
  LogWriter(LogFile).At(1000).Start().At(1100).Message("a=b").Stop();
  Window().Load(LogFile);
  Window().View().Select(MessageRow("a=b"));
  QAction* copy = Window().Actions().EditCopyPropertyValue;
  EXPECT_FALSE(copy->isEnabled());
  EXPECT_TRUE(Inspector().PropList()->actions().contains(copy));

  const QStringList lines = Lines();
  Inspector().PropList()->selectRow(static_cast<int>(lines.indexOf("Message=a=b")));
  EXPECT_TRUE(copy->isEnabled());
  copy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "a=b");

  Inspector().PropList()->clearSelection();
  EXPECT_FALSE(copy->isEnabled());
  Inspector().PropList()->selectRow(0);
  Window().View().Select(-1);  // the lines go, and the selection with them
  EXPECT_FALSE(copy->isEnabled());
}

TEST_F(ToolWindows, ClosingAWindowAloneWritesItClosedAtOnce) {
  Window();
  Inspector().close();
  EXPECT_EQ(Window().InspectorForm(), nullptr);
  EXPECT_FALSE(Window().Actions().ViewInspector->isChecked());
  EXPECT_FALSE(Window().Actions().ViewDockInspector->isEnabled());
  EXPECT_FALSE(SavedSettings().Inspector.Visible);
  EXPECT_TRUE(SavedSettings().Filter.Visible);

  const TEventFilterState* state = &Filter().State();
  EXPECT_EQ(&Window().View().Filter(), state);
  Window().Actions().ViewFilter->trigger();
  EXPECT_EQ(Window().FilterForm(), nullptr);
  EXPECT_NE(&Window().View().Filter(), state);  // back to the settings
  EXPECT_FALSE(SavedSettings().Filter.Visible);
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(ToolWindows, TheViewCommandsReopenAWindowWithTheFallbackRange) {
  Window();
  Window().Actions().ViewFilter->trigger();
  Window().Actions().ViewFilter->trigger();
  ASSERT_NE(Window().FilterForm(), nullptr);
  EXPECT_TRUE(Window().Actions().ViewFilter->isChecked());
  EXPECT_TRUE(Window().Actions().ViewDockFilter->isEnabled());
  EXPECT_EQ(Filter().DateFrom()->date(), QDate(1999, 11, 12));  // 60 days before the viewer's now
  EXPECT_FALSE(Filter().FilterFromBox()->isChecked());
  // The closed window is freed later; going, it leaves its successor the view's filter.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(&Window().View().Filter(), &Filter().State());

  WriteSessionLog();
  Window().Load(LogFile);
  Window().View().Select(MessageRow("hello"));
  Window().Actions().ViewInspector->trigger();
  Window().Actions().ViewInspector->trigger();
  EXPECT_TRUE(Lines().contains("Message=hello"));
}

TEST_F(ToolWindows, ClosingTheMainWindowRemembersBothWindowsOpenAndTheNextStartRestoresThem) {
  WriteTextFile(Dir.File("Oxlane.ini"), "[Inspector]\nDockedLeft=1\n");
  Window().show();
  EXPECT_EQ(Window().dockWidgetArea(&Inspector()), Qt::LeftDockWidgetArea);
  Inspector().PropList()->setColumnWidth(0, 140);
  Window().Actions().ViewDockFilter->trigger();
  ASSERT_TRUE(Filter().isFloating());
  Filter().setGeometry(300, 200, 220, 400);
  CloseWindow();

  const TOXOptions saved = SavedSettings();
  EXPECT_EQ(saved.Filter, (TWindowSettings{300, 200, 520, 600, true, false, false, false}));
  EXPECT_TRUE(saved.Inspector.Visible);
  EXPECT_TRUE(saved.Inspector.Docked);
  EXPECT_TRUE(saved.Inspector.DockedLeft);
  EXPECT_GT(saved.Inspector.Right - saved.Inspector.Left, 200);  // its width in the dock
  std::vector<int32_t> widths{0, 0};
  saved.ReadColumnWidths(kPropListSection, widths);
  EXPECT_EQ(widths[0], 140);

  RestartViewer();
  Window().show();
  EXPECT_TRUE(Filter().isFloating());
  EXPECT_EQ(Filter().geometry(), QRect(300, 200, 220, 400));
  EXPECT_TRUE(Filter().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(Window().Actions().ViewDockFilter->isChecked());
  EXPECT_EQ(Window().dockWidgetArea(&Inspector()), Qt::LeftDockWidgetArea);
  EXPECT_EQ(Inspector().PropList()->columnWidth(0), 140);
  EXPECT_EQ(Inspector().width(), saved.Inspector.Right - saved.Inspector.Left);
}

TEST_F(ToolWindows, TheDockCommandFloatsAndDocksAndFollowsDragging) {
  Window().show();
  QAction* dock = Window().Actions().ViewDockInspector;
  dock->trigger();
  EXPECT_TRUE(Inspector().isFloating());
  EXPECT_FALSE(dock->isChecked());
  dock->trigger();
  EXPECT_FALSE(Inspector().isFloating());
  EXPECT_EQ(Window().dockWidgetArea(&Inspector()), Qt::RightDockWidgetArea);
  EXPECT_TRUE(dock->isChecked());

  // What Qt does when the user pulls the window out of its dock and back.
  Inspector().setFloating(true);
  EXPECT_FALSE(dock->isChecked());
  Inspector().setFloating(false);
  EXPECT_TRUE(dock->isChecked());
}

}  // namespace
