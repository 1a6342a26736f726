#pragma once
// The messages, questions and beeps the viewer gives the user, behind one interface so that
// tests can answer them without modal boxes.

#include <optional>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

// What a save dialog offers: its title, its file type filters (Qt's "Text file (*.txt)" form),
// the suffix added to a name typed without one, and the name it starts with.
struct TSaveRequest {
  std::string Title;
  std::vector<std::string> Filters;
  std::string DefaultSuffix;
  std::string FileName;
};

// The file the user chose and the index of the filter chosen with it.
struct TSaveChoice {
  std::string FileName;
  int FilterIndex = 0;
};

class TUserDialogs {
 public:
  virtual ~TUserDialogs() = default;
  virtual void Error(QWidget* parent, const std::string& text);
  virtual void Information(QWidget* parent, const std::string& text);
  // A Yes/No question; true for Yes.
  virtual bool Confirm(QWidget* parent, const std::string& title, const std::string& question,
                       bool yesIsDefault);
  virtual void Beep();
  // A save dialog that asks before overwriting a file; nothing when cancelled.
  virtual std::optional<TSaveChoice> ChooseSaveFile(QWidget* parent, const TSaveRequest& request);
  // The print dialog, printing to a file offered, over the printer it sets up; true when the
  // user confirmed it.
  virtual bool ConfirmPrint(QWidget* parent, QPrinter& printer);
};
