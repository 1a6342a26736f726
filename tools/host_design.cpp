// Reading a form file to design it, running the log component's editor, and writing the file back.

#include "tools/host_design.h"

#include <utility>

#include "capture/tracebook_component.h"
#include "platform/file_replace.h"
#include "platform/vcl/design_component_editor.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/forms.h"
#include "tools/host_session.h"

std::vector<std::unique_ptr<TComponent>> ReadFormFileToDesign(const std::string& fileName) {
  bool first = true;
  return ReadComponentsFile(fileName, [&](TComponent& component) {
    if (std::exchange(first, false)) CheckFirstObject(component);
    // A top-level object marks everything it owns: none of it runs as it would in the program.
    if (!component.Owner()) component.SetDesigning(true);
  });
}

std::string FormFileText(const std::vector<std::unique_ptr<TComponent>>& roots) {
  std::string text;
  for (const auto& root : roots) text += WriteComponentText(*root);
  return text;
}

bool EditTracebook(TKDTracebook& tracebook, const std::vector<std::unique_ptr<TComponent>>& roots,
                   const std::string& fileName) {
  TFileDesigner designer(roots);
  const std::string before = FormFileText(roots);
  GetComponentEditor(tracebook, designer)->Edit();
  if (!designer.WasModified()) return false;
  // The editor tells the designer of a change also when the dialog was cancelled: a file whose
  // objects read the same as before is left as it is, written by whatever wrote it.
  const std::string after = FormFileText(roots);
  if (after == before) return false;
  ReplaceFileContents(fileName, after);
  return true;
}
