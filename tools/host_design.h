#pragma once
// Designing a form file as the IDE does: its objects are read in the designing state (so that no
// log component starts logging), the log component's editor runs against a designer of the
// host's own, and the file is written back when the editor changed the form.

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/design_designer.h"

class TComponent;
class TKDTracebook;

// The designer of a form file's objects: the form is the first of them, and a notice that
// something changed is remembered.
class TFileDesigner : public TFormDesigner {
 public:
  explicit TFileDesigner(const std::vector<std::unique_ptr<TComponent>>& roots) : FRoots(roots) {}
  TComponent* Form() const override { return FRoots.empty() ? nullptr : FRoots.front().get(); }
  void Modified() override { FModified = true; }
  bool WasModified() const { return FModified; }

 private:
  const std::vector<std::unique_ptr<TComponent>>& FRoots;
  bool FModified = false;
};

// Reads a form file with every object designing before Loaded runs. Raises what
// ReadComponentsFile raises, and Exception when the first object is not a form.
std::vector<std::unique_ptr<TComponent>> ReadFormFileToDesign(const std::string& fileName);

// The form file's text as the objects are now: each top-level object's text, in file order.
std::string FormFileText(const std::vector<std::unique_ptr<TComponent>>& roots);

// Runs the component editor of `tracebook` (its double-click) against a designer of the form
// file's objects, and when the designer heard that the form changed and its text is no longer what
// it was before the editor ran, replaces the file's contents with the new text, so that a crash
// leaves the old file or the new one. Raises EFCreateError, naming the file, when it cannot be
// written; answers whether it was.
bool EditTracebook(TKDTracebook& tracebook, const std::vector<std::unique_ptr<TComponent>>& roots,
                   const std::string& fileName);
