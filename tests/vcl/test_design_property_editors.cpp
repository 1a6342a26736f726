// Property editors: which editor a property gets, the attributes the inspector sees, values read
// and written through the published properties, and the designer told of every change.

#include <gtest/gtest.h>

#include "platform/vcl/design_property_registry.h"
#include "tests/support/recording_designer.h"
#include "tests/vcl/design_samples.h"

namespace {

class TNotesProperty : public TClassProperty {
 public:
  using TClassProperty::TClassProperty;
  TPropertyAttributes GetAttributes() const override { return {paDialog, paReadOnly}; }
};

class TLinesProperty : public TClassProperty {
 public:
  using TClassProperty::TClassProperty;
};

class TSingleTitleProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override { return {}; }
};

class PropertyEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gauge.SetName("Gauge1");
    partner.SetName("Gauge2");
    round.SetName("Round1");
  }
  void TearDown() override {
    UnregisterPropertyEditor(PropertyEditorClass<TNotesProperty>);
    UnregisterPropertyEditor(PropertyEditorClass<TLinesProperty>);
    UnregisterPropertyEditor(PropertyEditorClass<TSingleTitleProperty>);
  }

  std::unique_ptr<TPropertyEditor> EditorOf(std::vector<TComponent*> components,
                                            std::string_view name) {
    return GetPropertyEditor(designer, std::move(components),
                             *components.front()->ClassType().FindProperty(name));
  }
  std::unique_ptr<TPropertyEditor> EditorOf(TComponent& component, std::string_view name) {
    return EditorOf(std::vector<TComponent*>{&component}, name);
  }

  TComponent form{nullptr};
  TGauge& gauge = *new TGauge(&form);
  TGauge& partner = *new TGauge(&form);
  TRoundGauge& round = *new TRoundGauge(&form);
  TRecordingDesigner designer{&form};
};

template <typename Editor>
bool IsA(const std::unique_ptr<TPropertyEditor>& editor) {
  return dynamic_cast<const Editor*>(editor.get()) != nullptr;
}

TEST_F(PropertyEditorTest, WithoutRegistrationsObjectsGetTheClassEditorAndValuesTheBase) {
  EXPECT_TRUE(IsA<TClassProperty>(EditorOf(gauge, "Marks")));
  EXPECT_TRUE(IsA<TClassProperty>(EditorOf(gauge, "Notes")));
  const auto position = EditorOf(gauge, "Position");
  EXPECT_FALSE(IsA<TClassProperty>(position));
  EXPECT_EQ(position->GetName(), "Position");
}

TEST_F(PropertyEditorTest, AnEditorMatchesItsTypeOnTheClassAndItsDescendantsWhateverTheName) {
  RegisterPropertyEditor(typeid(TGaugeNotes), &TGauge::StaticClass(), "",
                         PropertyEditorClass<TNotesProperty>);
  RegisterPropertyEditor(typeid(TStrings), &TRoundGauge::StaticClass(), "",
                         PropertyEditorClass<TLinesProperty>);

  EXPECT_TRUE(IsA<TNotesProperty>(EditorOf(gauge, "Notes")));
  EXPECT_TRUE(IsA<TNotesProperty>(EditorOf(round, "Notes")));
  // The type must be the declared one: TStrings is not TGaugeNotes, nor the other way round.
  EXPECT_FALSE(IsA<TNotesProperty>(EditorOf(gauge, "Marks")));
  EXPECT_FALSE(IsA<TLinesProperty>(EditorOf(round, "Notes")));
  // An ancestor of the registered class does not match.
  EXPECT_FALSE(IsA<TLinesProperty>(EditorOf(gauge, "Marks")));
  EXPECT_TRUE(IsA<TLinesProperty>(EditorOf(round, "Marks")));
}

TEST_F(PropertyEditorTest, ANamedRegistrationMatchesThatNameOnlyIgnoringCase) {
  RegisterPropertyEditor(typeid(std::string), nullptr, "title",
                         PropertyEditorClass<TSingleTitleProperty>);
  EXPECT_TRUE(IsA<TSingleTitleProperty>(EditorOf(gauge, "Title")));
  EXPECT_TRUE(IsA<TSingleTitleProperty>(EditorOf(round, "Title")));

  UnregisterPropertyEditor(PropertyEditorClass<TSingleTitleProperty>);
  RegisterPropertyEditor(typeid(TStrings), nullptr, "Lines", PropertyEditorClass<TLinesProperty>);
  EXPECT_FALSE(IsA<TLinesProperty>(EditorOf(gauge, "Marks")));
}

TEST_F(PropertyEditorTest, TheLatestMatchingRegistrationWins) {
  RegisterPropertyEditor(typeid(TGaugeNotes), &TRoundGauge::StaticClass(), "Notes",
                         PropertyEditorClass<TNotesProperty>);
  RegisterPropertyEditor(typeid(TGaugeNotes), nullptr, "", PropertyEditorClass<TLinesProperty>);
  // The later, broader registration wins even over the earlier, more specific one.
  EXPECT_TRUE(IsA<TLinesProperty>(EditorOf(round, "Notes")));

  UnregisterPropertyEditor(PropertyEditorClass<TLinesProperty>);
  EXPECT_TRUE(IsA<TNotesProperty>(EditorOf(round, "Notes")));
  EXPECT_FALSE(IsA<TNotesProperty>(EditorOf(gauge, "Notes")));
}

TEST_F(PropertyEditorTest, AttributesOfTheBaseTheClassEditorAndADialogEditor) {
  RegisterPropertyEditor(typeid(TGaugeNotes), nullptr, "", PropertyEditorClass<TNotesProperty>);

  EXPECT_EQ(EditorOf(gauge, "Position")->GetAttributes(),
            (TPropertyAttributes{paMultiSelect, paRevertable}));
  EXPECT_EQ(EditorOf(gauge, "Style")->GetAttributes(),
            (TPropertyAttributes{paMultiSelect, paRevertable, paValueList, paSortList}));
  EXPECT_EQ(EditorOf(gauge, "Marks")->GetAttributes(),
            (TPropertyAttributes{paMultiSelect, paSubProperties, paReadOnly}));
  EXPECT_EQ(EditorOf(gauge, "Notes")->GetAttributes(), (TPropertyAttributes{paDialog, paReadOnly}));
  EXPECT_EQ(EditorOf(gauge, "Smooth")->GetValues(), (std::vector<std::string>{"False", "True"}));
  EXPECT_TRUE(EditorOf(gauge, "Position")->GetValues().empty());
}

TEST_F(PropertyEditorTest, ValuesOfEveryKindReadAndWriteAsTheInspectorShowsThem) {
  const std::pair<std::string_view, std::string> values[] = {
      {"Position", "-42"},   {"Smooth", "True"}, {"Style", "gsDial"},
      {"Unit", "m"},         {"Title", " a b "}, {"Options", "[goTicks,goBorder]"},
      {"Partner", "Gauge2"},
  };
  for (const auto& [name, text] : values) {
    const auto editor = EditorOf(gauge, name);
    editor->SetValue(text);
    EXPECT_EQ(editor->GetValue(), text) << name;
  }
  EXPECT_EQ(gauge.Position(), -42);
  EXPECT_EQ(gauge.Style(), gsDial);
  EXPECT_EQ(gauge.Options(), (TGaugeOptions{goTicks, goBorder}));
  EXPECT_EQ(gauge.Partner(), &partner);
  EXPECT_EQ(designer.ModifiedCount, 7);
}

TEST_F(PropertyEditorTest, TypedValuesAreReadLeniently) {
  EditorOf(gauge, "Style")->SetValue(" GSTEXT ");
  EditorOf(gauge, "Options")->SetValue("[ goLabels , goticks ]");
  EditorOf(gauge, "Position")->SetValue(" -2147483648 ");
  EXPECT_EQ(gauge.Style(), gsText);
  EXPECT_EQ(gauge.Options(), (TGaugeOptions{goTicks, goLabels}));
  EXPECT_EQ(gauge.Position(), -2147483648);

  EditorOf(gauge, "Options")->SetValue("[]");
  gauge.SetPartner(&partner);
  EditorOf(gauge, "Partner")->SetValue("");
  EXPECT_TRUE(gauge.Options().Empty());
  EXPECT_EQ(gauge.Partner(), nullptr);
}

TEST_F(PropertyEditorTest, AValueThePropertyCannotTakeChangesNothingAndTellsNobody) {
  gauge.SetPosition(5);
  gauge.SetOptions({goBorder});
  const std::pair<std::string_view, std::string> refused[] = {
      {"Position", "5x"},
      {"Position", ""},
      {"Position", "99999999999999999999"},
      {"Style", "gsRound"},
      {"Smooth", "yes"},
      {"Unit", "mm"},
      {"Unit", "#256"},
      {"Unit", "#x"},
      {"Position", "2147483648"},
      {"Options", "goTicks"},
      {"Options", "[goTicks,]"},
      {"Partner", "Nobody"},
      {"Partner", "Form"},
      {"Marks", "(TStrings)"},
  };
  form.SetName("Form");  // the designed form itself is not among the components it owns
  for (const auto& [name, text] : refused)
    EXPECT_THROW(EditorOf(gauge, name)->SetValue(text), EPropertyError) << name << " " << text;

  EXPECT_EQ(gauge.Position(), 5);
  EXPECT_EQ(gauge.Options(), (TGaugeOptions{goBorder}));
  EXPECT_EQ(gauge.Partner(), nullptr);
  EXPECT_EQ(designer.ModifiedCount, 0);
}

TEST_F(PropertyEditorTest, ACharacterThatDoesNotPrintReadsAsItsCode) {
  const auto unit = EditorOf(gauge, "Unit");
  unit->SetValue("#0");
  EXPECT_EQ(gauge.Unit(), '\0');
  EXPECT_EQ(unit->GetValue(), "#0");
  unit->SetValue("#");  // a lone "#" is the character itself
  EXPECT_EQ(unit->GetValue(), "#");
  gauge.SetUnit(' ');
  EXPECT_EQ(unit->GetValue(), "#32");
}

TEST_F(PropertyEditorTest, AReferenceMustNameAComponentOfTheRightClass) {
  TComponent& other = *new TComponent(&form);
  other.SetName("Plain");
  try {
    EditorOf(gauge, "Partner")->SetValue("Plain");
    FAIL() << "a plain component was accepted";
  } catch (const EPropertyError& e) {
    EXPECT_STREQ(e.what(), "Property Partner needs a TGauge, and Plain is a TComponent");
  }
  EditorOf(gauge, "Partner")->SetValue("round1");  // a descendant will do
  EXPECT_EQ(gauge.Partner(), &round);
}

TEST_F(PropertyEditorTest, ObjectPropertiesShowTheirDeclaredTypeInParentheses) {
  gauge.Marks()->Add("a");
  EXPECT_EQ(EditorOf(gauge, "Marks")->GetValue(), "(TStrings)");
  EXPECT_EQ(EditorOf(gauge, "Notes")->GetValue(), "(TGaugeNotes)");
}

TEST_F(PropertyEditorTest, AStringListIsReplacedThroughItsSetterOrElseInPlace) {
  TStringList lines;
  lines.Add("one");
  lines.Add("two");
  auto notes = EditorOf({&gauge, &round}, "Notes");
  auto& notesEditor = dynamic_cast<TClassProperty&>(*notes);
  notesEditor.SetStringsValue(lines);
  EXPECT_EQ(gauge.NotesSetCount, 1);
  EXPECT_EQ(round.NotesSetCount, 1);
  EXPECT_EQ(round.Notes()->Text(), "one\ntwo\n");
  EXPECT_EQ(notesEditor.GetStringsValue(), gauge.Notes());

  auto marks = EditorOf(gauge, "Marks");
  dynamic_cast<TClassProperty&>(*marks).SetStringsValue(lines);
  EXPECT_EQ(gauge.Marks()->Text(), "one\ntwo\n");
  EXPECT_EQ(designer.ModifiedCount, 2);

  TClassProperty title(designer, {&gauge}, *gauge.ClassType().FindProperty("Title"));
  EXPECT_EQ(title.GetStringsValue(), nullptr);
  EXPECT_THROW(title.SetStringsValue(lines), EPropertyError);
  EXPECT_EQ(designer.ModifiedCount, 2);
}

TEST_F(PropertyEditorTest, SeveralComponentsShowTheFirstValueAndAllTakeANewOne) {
  gauge.SetTitle("first");
  round.SetTitle("second");
  const auto editor = EditorOf({&gauge, &round}, "Title");
  EXPECT_EQ(editor->PropCount(), 2);
  EXPECT_EQ(editor->GetComponent(1), &round);
  EXPECT_EQ(editor->GetValue(), "first");

  editor->SetValue("both");
  EXPECT_EQ(gauge.Title(), "both");
  EXPECT_EQ(round.Title(), "both");
  EXPECT_EQ(designer.ModifiedCount, 1);
}

std::vector<std::string> PropertyNames(const std::vector<TComponent*>& components,
                                       TPropertyKinds filter, TFormDesigner& designer) {
  std::vector<std::string> names;
  GetComponentProperties(
      components, filter, designer,
      [&](std::unique_ptr<TPropertyEditor> editor) { names.push_back(editor->GetName()); });
  return names;
}

TEST_F(PropertyEditorTest, AComponentsPropertiesComeWithTheirEditorsInClassOrder) {
  RegisterPropertyEditor(typeid(TGaugeNotes), nullptr, "", PropertyEditorClass<TNotesProperty>);
  std::vector<std::unique_ptr<TPropertyEditor>> editors;
  GetComponentProperties(
      {&round}, AllPropertyKinds, designer,
      [&](std::unique_ptr<TPropertyEditor> editor) { editors.push_back(std::move(editor)); });
  ASSERT_EQ(editors.size(), TGauge::StaticClass().Properties().size());
  EXPECT_EQ(editors.front()->GetName(), "Position");
  EXPECT_EQ(editors.back()->GetName(), "Notes");
  EXPECT_TRUE(IsA<TNotesProperty>(editors.back()));
  EXPECT_EQ(editors.back()->GetComponent(0), &round);

  EXPECT_EQ(PropertyNames({&gauge}, {TPropertyKind::StringList, TPropertyKind::Set}, designer),
            (std::vector<std::string>{"Options", "Marks", "Notes"}));
}

TEST_F(PropertyEditorTest, ASelectionShowsSharedPropertiesWhoseEditorsAllowIt) {
  RegisterPropertyEditor(typeid(std::string), nullptr, "Title",
                         PropertyEditorClass<TSingleTitleProperty>);
  const auto gaugeAndRound = PropertyNames({&gauge, &round}, AllPropertyKinds, designer);
  EXPECT_EQ(std::count(gaugeAndRound.begin(), gaugeAndRound.end(), "Title"), 0);
  EXPECT_EQ(std::count(gaugeAndRound.begin(), gaugeAndRound.end(), "Position"), 1);

  EXPECT_TRUE(PropertyNames({&gauge, &form}, AllPropertyKinds, designer).empty());
  EXPECT_TRUE(PropertyNames({}, AllPropertyKinds, designer).empty());
}

}  // namespace
