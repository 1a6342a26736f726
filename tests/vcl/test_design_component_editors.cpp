// Component editors: the editor each class gets, verbs, and a double-click that edits one property
// through its editor and tells the designer.

#include <gtest/gtest.h>

#include "platform/vcl/design_component_editor.h"
#include "platform/vcl/design_property_registry.h"
#include "tests/support/recording_designer.h"
#include "tests/vcl/design_samples.h"

namespace {

// A dialog editor for the notes: its "dialog" replaces the lines with one line.
class TNotesProperty : public TClassProperty {
 public:
  using TClassProperty::TClassProperty;
  TPropertyAttributes GetAttributes() const override { return {paDialog, paReadOnly}; }
  void Edit() override {
    static_cast<TGauge*>(GetComponent(0))->Notes()->Clear();
    static_cast<TGauge*>(GetComponent(0))->Notes()->Add("edited");
  }
};

// One verb that edits the notes through the property editor the registry gives them.
class TGaugeEditor : public TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;
  void ExecuteVerb(int) override {
    GetComponentProperties({&Component()}, AllPropertyKinds, Designer(),
                           [](std::unique_ptr<TPropertyEditor> editor) {
                             if (dynamic_cast<TNotesProperty*>(editor.get())) editor->Edit();
                           });
    Designer().Modified();
  }
  std::string GetVerb(int) const override { return "Edit &Notes"; }
  int GetVerbCount() const override { return 1; }
};

class TRoundGaugeEditor : public TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;
};

class ComponentEditorTest : public ::testing::Test {
 protected:
  void TearDown() override {
    UnregisterComponentEditor(ComponentEditorClass<TGaugeEditor>);
    UnregisterComponentEditor(ComponentEditorClass<TRoundGaugeEditor>);
    UnregisterPropertyEditor(PropertyEditorClass<TNotesProperty>);
  }

  TComponent form{nullptr};
  TGauge& gauge = *new TGauge(&form);
  TRoundGauge& round = *new TRoundGauge(&form);
  TRecordingDesigner designer{&form};
};

template <typename Editor>
bool IsA(const std::unique_ptr<TComponentEditor>& editor) {
  return dynamic_cast<const Editor*>(editor.get()) != nullptr;
}

TEST_F(ComponentEditorTest, AClassWithoutEditorGetsTheDefaultOneWhichDoesNothing) {
  const auto editor = GetComponentEditor(gauge, designer);
  ASSERT_TRUE(IsA<TDefaultEditor>(editor));
  EXPECT_EQ(&editor->Component(), &gauge);
  EXPECT_EQ(&editor->Designer(), &designer);
  EXPECT_EQ(editor->GetVerbCount(), 0);
  EXPECT_THROW(editor->GetVerb(0), EListError);
  EXPECT_THROW(editor->ExecuteVerb(0), EListError);
  editor->Edit();
  EXPECT_EQ(designer.ModifiedCount, 0);
}

TEST_F(ComponentEditorTest, TheLatestRegistrationForTheClassOrAnAncestorWins) {
  RegisterComponentEditor(TGauge::StaticClass(), ComponentEditorClass<TGaugeEditor>);
  EXPECT_TRUE(IsA<TGaugeEditor>(GetComponentEditor(round, designer)));

  RegisterComponentEditor(TRoundGauge::StaticClass(), ComponentEditorClass<TRoundGaugeEditor>);
  EXPECT_TRUE(IsA<TRoundGaugeEditor>(GetComponentEditor(round, designer)));
  EXPECT_TRUE(IsA<TGaugeEditor>(GetComponentEditor(gauge, designer)));
  EXPECT_TRUE(IsA<TDefaultEditor>(GetComponentEditor(form, designer)));
}

TEST_F(ComponentEditorTest, TheVerbAndADoubleClickEditThePropertyAndTellTheDesigner) {
  RegisterPropertyEditor(typeid(TGaugeNotes), &TGauge::StaticClass(), "",
                         PropertyEditorClass<TNotesProperty>);
  RegisterComponentEditor(TGauge::StaticClass(), ComponentEditorClass<TGaugeEditor>);
  const auto editor = GetComponentEditor(gauge, designer);
  ASSERT_EQ(editor->GetVerbCount(), 1);
  EXPECT_EQ(editor->GetVerb(0), "Edit &Notes");

  gauge.Notes()->Add("old");
  editor->ExecuteVerb(0);
  EXPECT_EQ(gauge.Notes()->Text(), "edited\n");
  EXPECT_EQ(designer.ModifiedCount, 1);

  editor->Edit();  // the base double-click runs the first verb
  EXPECT_EQ(designer.ModifiedCount, 2);
}

}  // namespace
