#pragma once
// The messages, questions and beeps the viewer gives the user, behind one interface so that
// tests can answer them without modal boxes.

#include <string>

class QWidget;

class TUserDialogs {
 public:
  virtual ~TUserDialogs() = default;
  virtual void Error(QWidget* parent, const std::string& text);
  virtual void Information(QWidget* parent, const std::string& text);
  // A Yes/No question; true for Yes.
  virtual bool Confirm(QWidget* parent, const std::string& title, const std::string& question,
                       bool yesIsDefault);
  virtual void Beep();
};
