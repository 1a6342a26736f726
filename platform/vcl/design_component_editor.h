#pragma once
// Component editors: what the designer does when a component on the form is double-clicked, and
// the verbs of its context menu; the registry that gives each component class its editor.

#include <memory>
#include <string>

class TComponent;
class TComponentClass;
class TFormDesigner;

class TComponentEditor {
 public:
  TComponentEditor(TComponent& component, TFormDesigner& designer)
      : FComponent(component), FDesigner(designer) {}
  virtual ~TComponentEditor() = default;
  TComponentEditor(const TComponentEditor&) = delete;
  TComponentEditor& operator=(const TComponentEditor&) = delete;

  // The double-click: runs the first verb when there is one.
  virtual void Edit();
  // Runs the context-menu verb at `index`; the base has no verbs.
  virtual void ExecuteVerb(int index);
  // The caption of the verb at `index` ("&" marks its accelerator).
  virtual std::string GetVerb(int index) const;
  virtual int GetVerbCount() const { return 0; }

  TComponent& Component() const { return FComponent; }
  TFormDesigner& Designer() const { return FDesigner; }

 private:
  TComponent& FComponent;
  TFormDesigner& FDesigner;
};

// The editor of components whose class registers none. The framework's default opens the code of
// an event handler on a double-click; this platform publishes no event properties and the
// designer has no code editor, so a double-click changes nothing, also in descendants that add
// verbs (unlike TComponentEditor, whose double-click runs the first verb).
class TDefaultEditor : public TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;
  void Edit() override {}
};

// The class reference of a component editor.
using TComponentEditorClass = std::unique_ptr<TComponentEditor> (*)(TComponent& component,
                                                                    TFormDesigner& designer);

template <typename Editor>
std::unique_ptr<TComponentEditor> ComponentEditorClass(TComponent& component,
                                                       TFormDesigner& designer) {
  return std::make_unique<Editor>(component, designer);
}

// Gives components of `componentClass` and its descendants the editor `editorClass`.
void RegisterComponentEditor(const TComponentClass& componentClass,
                             TComponentEditorClass editorClass);
// Drops every registration of `editorClass`, as a library does when it is uninstalled.
void UnregisterComponentEditor(TComponentEditorClass editorClass);
// The editor of the latest registration whose class `component` is or descends from; a
// TDefaultEditor when none matches.
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent& component,
                                                     TFormDesigner& designer);
