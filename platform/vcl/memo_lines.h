#pragma once
// The lines of a memo's text. They are read from the text when they are first needed after it
// changed, so that typing into a long memo costs nothing for them; a change of the lines gives the
// memo its new text at once, or once at the end of an update (BeginUpdate, EndUpdate).

#include <functional>
#include <string>

#include "platform/classes.h"

class TMemoStrings : public TStrings {
 public:
  // `text` reads the memo's text; `setText` gives it the text of the changed lines.
  TMemoStrings(std::function<std::string()> text, std::function<void(const std::string&)> setText);

  int Count() const override { return Lines().Count(); }
  const std::string& Get(int index) const override { return Lines().Get(index); }
  void Put(int index, const std::string& s) override;
  void* GetObject(int index) const override { return Lines().GetObject(index); }
  void PutObject(int index, void* object) override { Lines().PutObject(index, object); }
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

  // The memo's text changed: the lines are read from it when next needed.
  void TextChanged() { FStale = true; }

 protected:
  void SetUpdateState(bool updating) override;

 private:
  // The lines, read from the text first when it changed since.
  TStringList& Lines() const;
  void Changed();

  std::function<std::string()> FText;
  std::function<void(const std::string&)> FSetText;
  mutable TStringList FLines;
  mutable bool FStale = true;
  bool FChangedInUpdate = false;
};
