#pragma once
// The main window over settings in a scratch folder, with the user's answers to its messages
// scripted and its messages and beeps recorded.

#include <QAbstractItemModelTester>
#include <QPrinter>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/gui/event_list_view.h"
#include "viewer/gui/event_model.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

struct RecordingDialogs : TUserDialogs {
  void Error(QWidget*, const std::string& text) override { Errors.push_back(text); }
  void Information(QWidget*, const std::string& text) override { Messages.push_back(text); }
  bool Confirm(QWidget*, const std::string&, const std::string& question, bool) override {
    Questions.push_back(question);
    return Answer;
  }
  void Beep() override { ++Beeps; }
  std::optional<TSaveChoice> ChooseSaveFile(QWidget*, const TSaveRequest& request) override {
    SaveRequests.push_back(request);
    return SaveAnswer;
  }
  // Prints to PrintFile as a PDF when one is named, else leaves the printer as it was given.
  bool ConfirmPrint(QWidget*, QPrinter& printer) override {
    PrintTitles.push_back(printer.docName().toStdString());
    if (!PrintFile.empty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(PrintFile));
    }
    return PrintAnswer;
  }

  std::vector<std::string> Errors;
  std::vector<std::string> Messages;
  std::vector<std::string> Questions;
  bool Answer = true;
  int Beeps = 0;
  std::vector<TSaveRequest> SaveRequests;
  std::optional<TSaveChoice> SaveAnswer;
  std::vector<std::string> PrintTitles;
  std::string PrintFile;
  bool PrintAnswer = true;
};

class GuiFixture : public ViewerFixture {
 protected:
  // The main window as the program starts it, its model checked for consistent signals.
  TEventForm& Window() {
    if (!FWindow) {
      SetFixedNow(kViewedAt);
      Settings.Load();
      FWindow = std::make_unique<TEventForm>(Settings, Dialogs);
      FTester = std::make_unique<QAbstractItemModelTester>(
          &FWindow->Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
      SetFixedNow(kWrittenAt);
    }
    return *FWindow;
  }
  void CloseWindow() {
    FTester.reset();
    FWindow->close();
    FWindow.reset();
  }
  QString Text(int row, int column) {
    return Window().Model().index(row, column).data().toString();
  }
  int RowCount() { return Window().Model().rowCount(); }

  // A log of one finished session with a section inside it.
  void WriteSessionLog() {
    LogWriter(LogFile)
        .At(1000)
        .Start()
        .At(1100)
        .Message("hello")
        .At(1200)
        .Enter("a")
        .At(1300)
        .Message("in a")
        .At(1400)
        .Leave("a")
        .At(1500)
        .Message("bye")
        .At(1600)
        .Stop();
  }

  RecordingDialogs Dialogs;

 private:
  std::unique_ptr<TEventForm> FWindow;
  std::unique_ptr<QAbstractItemModelTester> FTester;
};
