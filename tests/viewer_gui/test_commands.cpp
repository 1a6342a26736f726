// Find, Copy Event, Copy Data, Export, Export Steps and Print, driven through the main window's
// commands.

#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "gui_fixture.h"
#include "viewer/gui/find_dialog.h"
#include "viewer/gui/qt_print_canvas.h"

namespace {

// What a shell command writes to its standard output, and its exit code.
struct TCommandRun {
  std::string Out;
  int ExitCode = -1;
};

TCommandRun RunCommand(const std::string& command) {
  TCommandRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    run.Out.append(buffer, read);
  }
  const int status = ::pclose(pipe);
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

class Commands : public GuiFixture {
 protected:
  // Rows: 0 start, 1 "needle one", 2 a text with a comma, 3 "Needle two", 4 a text of two lines,
  // 5 a separator record, 6 stop, 7 the separator after the session.
  void Open() {
    LogWriter(LogFile)
        .At(1000)
        .Start()
        .At(1100)
        .Message("needle one")
        .At(1200)
        .Message("other, with a comma")
        .At(1300)
        .Message("Needle two")
        .At(1400)
        .Message("first line\r\nsecond line")
        .At(1500)
        .Separator()
        .At(1600)
        .Stop();
    Show();
  }
  void Show() {
    Window().Load(LogFile);
    Window().resize(800, 600);
    Window().show();
    QApplication::setActiveWindow(&Window());
  }
  const TEventForm::TActions& Actions() { return Window().Actions(); }
  TEventView& View() { return Window().View(); }

  // Types the request into the Find dialog, as the user would, and presses Find Next.
  void Find(const QString& text, bool matchCase = false, bool up = false) {
    Actions().EditFind->trigger();
    TFindDialog* dialog = Window().FindDialog();
    ASSERT_NE(dialog, nullptr);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("FindText"));
    edit->clear();
    QTest::keyClicks(edit, text);
    dialog->findChild<QCheckBox*>(QStringLiteral("FindMatchCase"))->setChecked(matchCase);
    dialog->findChild<QRadioButton*>(up ? QStringLiteral("FindUp") : QStringLiteral("FindDown"))
        ->setChecked(true);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("FindNext")), Qt::LeftButton);
  }

  // The file the export writes through the scripted save dialog with the filter chosen.
  std::string ExportThroughWindow(const std::string& name, int filterIndex,
                                  QAction* command = nullptr) {
    Dialogs.SaveAnswer = TSaveChoice{Dir.File(name), filterIndex};
    (command ? command : Actions().FileExport)->trigger();
    return ReadTextFile(Dir.File(name));
  }
  // What `oxlane --export` (or another option) writes for the log, run without a display.
  std::string ExportThroughCommandLine(const std::string& name,
                                       const std::string& option = "--export") {
    const std::string out = Dir.File(name);
    const TCommandRun run =
        RunCommand("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(OXLANE_PATH) + " " + option +
                   " " + Quoted(LogFile) + " " + Quoted(out) + " 2>&1");
    EXPECT_EQ(run.ExitCode, 0) << run.Out;
    return ReadTextFile(out);
  }

  // Prints through the scripted print dialog to a PDF and gives the PDF's text.
  std::string PrintedText() {
    Dialogs.PrintFile = Dir.File("rows.pdf");
    Actions().FilePrint->trigger();
    const TCommandRun run = RunCommand("pdftotext " + Quoted(Dialogs.PrintFile) + " - 2>&1");
    EXPECT_EQ(run.ExitCode, 0) << run.Out;
    return run.Out;
  }
};

TEST_F(Commands, FileCommandsFollowTheFileAndCopyCommandsTheSelection) {
  const TEventForm::TActions& a = Actions();
  const auto enabled = [&] {
    return std::vector<bool>{a.EditFind->isEnabled(),
                             a.FileExport->isEnabled(),
                             a.FileExportSteps->isEnabled(),
                             a.FilePrint->isEnabled(),
                             a.EditCopyEvent->isEnabled(),
                             a.EditCopyData->isEnabled(),
                             a.EditCopyPropertyValue->isEnabled()};
  };
  EXPECT_EQ(enabled(), std::vector<bool>({false, false, false, false, false, false, false}));
  Open();
  EXPECT_EQ(enabled(), std::vector<bool>({true, true, true, true, false, false, false}));
  View().Select(2);
  EXPECT_EQ(enabled(), std::vector<bool>({true, true, true, true, true, true, false}));
  View().Deselect();
  EXPECT_EQ(enabled(), std::vector<bool>({true, true, true, true, false, false, false}));
  View().Select(3);
  Window().Load(Dir.File("missing.evt"));
  EXPECT_EQ(enabled(), std::vector<bool>({false, false, false, false, false, false, false}));
}

TEST_F(Commands, RepeatedFindsWalkTheMatchesAndEndWithNotFound) {
  Open();
  Find("needle");
  EXPECT_EQ(View().Selected(), 1);
  Find("needle");
  EXPECT_EQ(View().Selected(), 3);
  EXPECT_TRUE(Dialogs.Messages.empty());
  Find("needle");
  EXPECT_EQ(View().Selected(), 3);
  EXPECT_EQ(Dialogs.Messages, std::vector<std::string>{"Search string \"needle\" not found."});
  EXPECT_TRUE(Window().FindDialog()->isVisible());  // the dialog stays for the next search
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(Commands, FindHonoursMatchCaseAndSearchesUp) {
  Open();
  Find("Needle", true);
  EXPECT_EQ(View().Selected(), 3);
  View().Select(6);
  Find("needle", false, true);
  EXPECT_EQ(View().Selected(), 3);
  Find("needle", false, true);
  EXPECT_EQ(View().Selected(), 1);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Commands, ABlankSearchIsAnErrorAndLeavesTheSelection) {
  Open();
  View().Select(2);
  Find("");
  EXPECT_EQ(Dialogs.Errors, std::vector<std::string>{"Search string cannot be blank."});
  EXPECT_EQ(View().Selected(), 2);
}

TEST_F(Commands, CopyPutsTheSelectedRowsTextsOnTheClipboardWithItsLineBreaks) {
  Open();
  View().Select(4);
  Actions().EditCopyData->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "first line\r\nsecond line");
  Actions().EditCopyEvent->trigger();
  const QString expected = QString::fromStdString(
      View().ColumnText(4, 0) + "\t" + View().ColumnText(4, 1) + "\t" + View().ColumnText(4, 2));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
  EXPECT_FALSE(View().ColumnText(4, 0).empty());
}

TEST_F(Commands, CtrlCInTheListCopiesTheData) {
  Open();
  View().Select(1);
  Window().List().setFocus();
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  QTest::keyClick(&Window().List(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "needle one");
}

TEST_F(Commands, ExportAsksForANameBesideTheLog) {
  Open();
  Actions().FileExport->trigger();  // cancelled: nothing is written
  ASSERT_EQ(Dialogs.SaveRequests.size(), 1u);
  const TSaveRequest& request = Dialogs.SaveRequests[0];
  EXPECT_EQ(request.FileName, Dir.File("app"));
  // The filter whose choice means CSV below.
  EXPECT_EQ(request.Filters.at(1), "Comma Separated Values (*.csv)");
  EXPECT_TRUE(Dialogs.Errors.empty());
  EXPECT_FALSE(std::filesystem::exists(Dir.File("app.txt")));
}

TEST_F(Commands, TheSaveDialogStartsAtTheLogsNameAndATypedNameTakesTheChosenTypesSuffix) {
  TUserDialogs dialogs;
  QString presetName;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    presetName = name->text();
    QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
    name->setText(QStringLiteral("rows"));
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  const std::optional<TSaveChoice> choice =
      dialogs.ChooseSaveFile(nullptr, {"Export Log As",
                                       {"Text file (*.txt)", "Comma Separated Values (*.csv)"},
                                       "txt",
                                       Dir.File("app")});
  EXPECT_EQ(presetName, "app");
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->FileName, Dir.File("rows.csv"));
  EXPECT_EQ(choice->FilterIndex, 1);
}

TEST_F(Commands, ExportWritesWhatTheCommandLineWritesInTheChosenFormat) {
  Open();
  // The chosen filter decides the format, not the name's extension.
  const std::string csv = ExportThroughWindow("csv-chosen.txt", 1);
  const std::string text = ExportThroughWindow("text-chosen.csv", 2);
  EXPECT_EQ(csv, ExportThroughCommandLine("rows.csv"));
  EXPECT_EQ(text, ExportThroughCommandLine("rows.txt"));
  EXPECT_NE(text.find("needle one"), std::string::npos);
  EXPECT_NE(csv.find("\"other, with a comma\""), std::string::npos);
  EXPECT_TRUE(Dialogs.Errors.empty());
}

TEST_F(Commands, AnUnwritableExportTargetIsReportedAsAnError) {
  Open();
  ExportThroughWindow("no-such-folder/rows.txt", 0);
  ASSERT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_NE(Dialogs.Errors[0].find("no-such-folder"), std::string::npos) << Dialogs.Errors[0];
}

TEST_F(Commands, ExportStepsOffersHtmlAndTextAndWritesWhatTheCommandLineWrites) {
  Open();
  ASSERT_NE(Window().menuBar()->actions().at(0)->menu(), nullptr);
  const QList<QAction*> file = Window().menuBar()->actions().at(0)->menu()->actions();
  EXPECT_EQ(file.indexOf(Actions().FileExportSteps), file.indexOf(Actions().FileExport) + 1);
  EXPECT_EQ(Actions().FileExportSteps->text(), "Export &Steps...");

  Actions().FileExportSteps->trigger();  // cancelled: nothing is written
  ASSERT_EQ(Dialogs.SaveRequests.size(), 1u);
  const TSaveRequest& request = Dialogs.SaveRequests[0];
  EXPECT_EQ(request.FileName, Dir.File("app-steps"));
  EXPECT_EQ(request.Filters.at(0), "Web page (*.html)");
  EXPECT_EQ(request.Filters.at(1), "Text file (*.txt)");

  // The chosen filter decides the format; with "Any file" the extension does.
  const std::string html = ExportThroughWindow("html-chosen.txt", 0, Actions().FileExportSteps);
  const std::string text = ExportThroughWindow("text-chosen.html", 1, Actions().FileExportSteps);
  const std::string any = ExportThroughWindow("any.html", 2, Actions().FileExportSteps);
  // The window's report names the log as the command line was given it.
  EXPECT_EQ(html, ExportThroughCommandLine("steps.html", "--steps"));
  EXPECT_EQ(text, ExportThroughCommandLine("steps.txt", "--steps"));
  EXPECT_EQ(any, html);
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(text.find("Step 1, 0:00.100: Message: needle one\r\n"), std::string::npos) << text;
  EXPECT_TRUE(Dialogs.Errors.empty());

  ExportThroughWindow("no-such-folder/steps.html", 0, Actions().FileExportSteps);
  ASSERT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_NE(Dialogs.Errors[0].find("no-such-folder"), std::string::npos) << Dialogs.Errors[0];
}

TEST_F(Commands, PrintingToAPdfHoldsTheFileNameTheRowsAndThePageNumbers) {
  {
    LogWriter writer(LogFile);
    writer.At(1000).Start();
    for (int i = 0; i < 150; ++i) writer.At(1001 + i).Message("message " + std::to_string(i));
    writer.Stop();
  }
  Show();
  // Wide enough on screen for the time stamps and event names to print whole.
  Window().List().SetColumnWidths({250, 250, 300});
  const std::string text = PrintedText();
  EXPECT_TRUE(Dialogs.Errors.empty()) << Dialogs.Errors.front();
  EXPECT_EQ(Dialogs.PrintTitles, std::vector<std::string>{LogFile});
  for (const std::string& expected :
       {LogFile, std::string("message 0"), std::string("message 149"), std::string("Page 1"),
        std::string("Page 2"), View().ColumnText(1, 0), View().ColumnText(1, 1)}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
  }
}

TEST_F(Commands, ACancelledPrintPrintsNothingAndAFailedOneIsReported) {
  Open();
  Dialogs.PrintAnswer = false;
  Dialogs.PrintFile = Dir.File("cancelled.pdf");
  Actions().FilePrint->trigger();
  EXPECT_FALSE(std::filesystem::exists(Dialogs.PrintFile));
  EXPECT_TRUE(Dialogs.Errors.empty());

  Dialogs.PrintAnswer = true;
  Dialogs.PrintFile = Dir.File("no-such-folder/rows.pdf");
  Actions().FilePrint->trigger();
  ASSERT_EQ(Dialogs.Errors.size(), 1u);
  EXPECT_NE(Dialogs.Errors[0].find("no-such-folder/rows.pdf"), std::string::npos)
      << Dialogs.Errors[0];
}

TEST(PrintCanvas, WrapsLongTextBreaksAtLineBreaksAndCutsAWordNoLineHolds) {
  ScratchDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.File("canvas.pdf")));
  TQtPrintCanvas canvas(printer);
  canvas.BeginDocument("canvas");
  canvas.SetFont({"", 11});
  const int line = canvas.TextHeight("Wy", 0, TTextMode::tmSingleLine);
  const int width = canvas.PageWidth() / 4;
  ASSERT_GT(line, 0);
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word ";
  EXPECT_GT(canvas.TextHeight(words, width, TTextMode::tmWordWrap), 2 * line);
  EXPECT_EQ(canvas.TextHeight(words, width, TTextMode::tmSingleLine), line);
  // Lines of wrapped text are counted as the layout counts them: height div one line's height.
  EXPECT_EQ(canvas.TextHeight("one\r\ntwo\rthree", width, TTextMode::tmWordWrap) / line, 3);
  EXPECT_EQ(canvas.TextHeight("one\r\ntwo", width, TTextMode::tmSingleLine), line);
  const std::string longWord = "begin" + std::string(400, 'x') + "end";
  EXPECT_EQ(canvas.TextHeight(longWord, width, TTextMode::tmWordWrap), line);
  canvas.DrawText({0, 0, width, line}, longWord, TTextMode::tmWordWrap);
  canvas.DrawText({0, 2 * line, width, line}, "salt & pepper", TTextMode::tmSingleLine);
  canvas.EndDocument();

  const TCommandRun run = RunCommand("pdftotext " + Quoted(dir.File("canvas.pdf")) + " - 2>&1");
  EXPECT_NE(run.Out.find("beginxxx"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("\u2026"), std::string::npos) << run.Out;  // the ellipsis
  EXPECT_EQ(run.Out.find("xend"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("salt & pepper"), std::string::npos) << run.Out;
}

}  // namespace
