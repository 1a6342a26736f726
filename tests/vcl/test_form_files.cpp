// Form files: round trips of every property kind, storage rules, references, Loaded, and the
// errors of malformed texts.

#include <gtest/gtest.h>

#include <memory>

#include "platform/classes.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "tests/vcl/vcl_fixture.h"

namespace {

std::vector<std::string> loadedLog;

enum TMode { mdFirst, mdSecond, mdThird };
enum TOption { opBold, opItalic, opUnderline };
using TOptions = TSet<TOption>;
constexpr std::string_view kModeNames[] = {"mdFirst", "mdSecond", "mdThird"};
constexpr std::string_view kOptionNames[] = {"opBold", "opItalic", "opUnderline"};

// A windowed control with a published property of every kind.
class TWidget : public TWinControl {
  COMPONENT_CLASS(TWidget)

 public:
  explicit TWidget(TComponent* owner) : TWinControl(owner) {}
  int Count() const { return FCount; }
  void SetCount(int v) { FCount = v; }
  bool Flag() const { return FFlag; }
  void SetFlag(bool v) { FFlag = v; }
  TMode Mode() const { return FMode; }
  void SetMode(TMode v) { FMode = v; }
  char Letter() const { return FLetter; }
  void SetLetter(char v) { FLetter = v; }
  TStrings* Items() const { return FItems.get(); }
  TWinControl* Buddy() const { return FBuddy; }
  void SetBuddy(TWinControl* v) { FBuddy = v; }
  TOptions Options() const { return FOptions; }
  void SetOptions(TOptions v) { FOptions = v; }
  std::string Version() const { return "1.0"; }
  void SetVersion(const std::string&) {}
  void Loaded() override {
    loadedLog.push_back(Name() + (ComponentState().Contains(csLoading) ? " loading" : "") +
                        (FBuddy ? " buddy=" + FBuddy->Name() : ""));
  }

 private:
  int FCount = 0;
  bool FFlag = true;
  TMode FMode = mdFirst;
  char FLetter = 0;
  std::unique_ptr<TStrings> FItems = std::make_unique<TStringList>();
  TWinControl* FBuddy = nullptr;
  TOptions FOptions;
};

const TComponentClass& TWidget::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      Published<&TWidget::Count, &TWidget::SetCount>("Count", {.Default = 0}),
      Published<&TWidget::Flag, &TWidget::SetFlag>("Flag", {.Default = true}),
      Published<&TWidget::Mode, &TWidget::SetMode>("Mode",
                                                   {.ValueNames = kModeNames, .Default = mdFirst}),
      Published<&TWidget::Letter, &TWidget::SetLetter>("Letter", {.Default = 0}),
      Published<&TWidget::Items>("Items"),
      Published<&TWidget::Buddy, &TWidget::SetBuddy>("Buddy"),
      Published<&TWidget::Options, &TWidget::SetOptions>(
          "Options", {.ValueNames = kOptionNames, .Default = 0}),
      Published<&TWidget::Version, &TWidget::SetVersion>("Version", {.Stored = NeverStored}),
  };
  static const TComponentClass cls({.Name = "TWidget",
                                    .Parent = &TWinControl::StaticClass(),
                                    .OwnProperties = kProperties,
                                    .Create = &ConstructComponent<TWidget>});
  return cls;
}

// A component without a window, such as a log component on a form.
class TGadget : public TComponent {
  COMPONENT_CLASS(TGadget)

 public:
  explicit TGadget(TComponent* owner) : TComponent(owner) {}
  void Loaded() override {
    if (Name() == "Broken") throw EInOutError("The disk is gone", 21);
    loadedLog.push_back(Name());
  }
};

const TComponentClass& TGadget::StaticClass() {
  static const TComponentClass cls({.Name = "TGadget",
                                    .Parent = &TComponent::StaticClass(),
                                    .Create = &ConstructComponent<TGadget>});
  return cls;
}

class FormFileTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    RegisterClasses({&TWidget::StaticClass(), &TGadget::StaticClass()});
    loadedLog.clear();
  }

  std::unique_ptr<TComponent> ReadOne(std::string_view text) {
    auto roots = ReadComponentsText(text);
    EXPECT_EQ(roots.size(), 1u);
    return std::move(roots.front());
  }

  // The error of reading a malformed text.
  static EParserError ErrorOf(std::string_view text, const std::string& source = "main.dfm") {
    try {
      ReadComponentsText(text, source);
    } catch (const EParserError& e) {
      return e;
    }
    ADD_FAILURE() << "no error for:\n" << text;
    return EParserError("", 0, "");
  }
};

constexpr char kForm[] = R"(object MainForm: TForm
  Left = 100
  Top = 80
  Width = 420
  Height = 300
  Caption = 'Orders'
  ActiveControl = Second
  object First: TWidget
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    Caption = 'It''s'#13#10'two lines'
    Count = -5
    Flag = False
    Mode = mdThird
    Letter = '*'
    Items.Strings = (
      'alpha'
      ''
      'gamma=1')
    Buddy = Second
    Options = [opBold, opUnderline]
    object Second: TWidget
      Left = 1
      Top = 2
      Width = 3
      Height = 4
    end
  end
  object Gadget1: TGadget
  end
end
)";

TEST_F(FormFileTest, ReadsEveryKindOfProperty) {
  auto root = ReadOne(kForm);
  auto* form = dynamic_cast<TForm*>(root.get());
  ASSERT_NE(form, nullptr);
  auto* first = dynamic_cast<TWidget*>(form->FindComponent("first"));
  auto* second = dynamic_cast<TWidget*>(form->FindComponent("Second"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(form->Caption(), "Orders");
  EXPECT_EQ(form->Width(), 420);
  EXPECT_EQ(first->Caption(), "It's\r\ntwo lines");
  EXPECT_EQ(first->Count(), -5);
  EXPECT_FALSE(first->Flag());
  EXPECT_EQ(first->Mode(), mdThird);
  EXPECT_EQ(first->Letter(), '*');
  EXPECT_EQ(first->Items()->Text(), "alpha\n\ngamma=1\n");
  EXPECT_EQ(first->Options(), (TOptions{opBold, opUnderline}));
  EXPECT_EQ(first->Buddy(), second);
  EXPECT_EQ(form->ActiveControl(), second);
  // Owner is the form; parent is the enclosing control; a component is nobody's child.
  EXPECT_EQ(second->Owner(), form);
  EXPECT_EQ(second->Parent(), first);
  EXPECT_EQ(first->Parent(), form);
  EXPECT_EQ(form->ComponentCount(), 3);
  EXPECT_FALSE(form->FindComponent("Gadget1")->HasParent());
}

TEST_F(FormFileTest, WritesStoredPropertiesAndReadsBackTheSame) {
  auto root = ReadOne(kForm);
  std::string written = WriteComponentText(*root);
  EXPECT_EQ(written.find("Version"), std::string::npos);  // never stored
  EXPECT_NE(written.find("Caption = 'It''s'#13#10'two lines'"), std::string::npos);
  EXPECT_NE(written.find("Options = [opBold, opUnderline]"), std::string::npos);
  EXPECT_NE(written.find("    Items.Strings = (\n      'alpha'\n      ''\n      'gamma=1')\n"),
            std::string::npos);
  auto again = ReadOne(written);
  EXPECT_EQ(WriteComponentText(*again), written);
}

TEST_F(FormFileTest, DefaultsAreNotWritten) {
  TForm form(nullptr);
  form.SetName("Form1");
  auto* widget = new TWidget(&form);
  widget->SetName("Widget1");
  widget->SetParent(&form);
  std::string written = WriteComponentText(form);
  // Left, Top, Width and Height have no default and are always written; the rest are defaults.
  EXPECT_EQ(written,
            "object Form1: TForm\n  Left = 0\n  Top = 0\n  Width = 0\n  Height = 0\n"
            "  object Widget1: TWidget\n    Left = 0\n    Top = 0\n    Width = 0\n"
            "    Height = 0\n  end\nend\n");
  widget->SetFlag(false);
  widget->SetVisible(false);
  written = WriteComponentText(form);
  EXPECT_NE(written.find("    Visible = False\n    Flag = False\n"), std::string::npos);
}

TEST_F(FormFileTest, UnnamedComponentsRoundTripAsTheirClass) {
  auto root = ReadOne("object TForm\n  object TWidget\n    Count = 3\n  end\nend\n");
  ASSERT_EQ(root->ComponentCount(), 1);
  EXPECT_EQ(root->Components(0)->Name(), "");
  EXPECT_NE(WriteComponentText(*root).find("  object TWidget\n"), std::string::npos);
}

TEST_F(FormFileTest, LoadedRunsAfterEveryReferenceIsResolvedInCreationOrder) {
  // Buddy refers forward to a component that comes later in the text.
  auto root = ReadOne(R"(object F: TForm
  object A: TWidget
    Buddy = B
  end
  object G: TGadget
  end
  object B: TWidget
  end
end)");
  EXPECT_EQ(loadedLog, (std::vector<std::string>{"A buddy=B", "G", "B"}));
  EXPECT_FALSE(root->ComponentState().Contains(csLoading));
}

TEST_F(FormFileTest, ReferencesReachOtherTopLevelObjects) {
  auto roots = ReadComponentsText(R"(object One: TForm
  object A: TWidget
    Buddy = Two.B
  end
end
object Two: TForm
  object B: TWidget
    Buddy = One
  end
end)");
  ASSERT_EQ(roots.size(), 2u);
  auto* a = static_cast<TWidget*>(roots[0]->FindComponent("A"));
  auto* b = static_cast<TWidget*>(roots[1]->FindComponent("B"));
  EXPECT_EQ(a->Buddy(), b);
  EXPECT_EQ(b->Buddy(), roots[0].get());
  EXPECT_NE(WriteComponentText(*roots[0]).find("Buddy = Two.B"), std::string::npos);
}

TEST_F(FormFileTest, StringsJoinedWithPlusAcrossLines) {
  auto root = ReadOne("object F: TForm\n  Caption = 'one' +\n    ' two'#9 + #$41\nend\n");
  EXPECT_EQ(static_cast<TForm*>(root.get())->Caption(), "one two\tA");
}

TEST_F(FormFileTest, DesigningFlagReachesOwnedComponents) {
  auto root = ReadOne(kForm);
  root->SetDesigning(true);
  EXPECT_TRUE(root->FindComponent("Second")->ComponentState().Contains(csDesigning));
  root->SetDesigning(false);
  EXPECT_FALSE(root->FindComponent("Gadget1")->ComponentState().Contains(csDesigning));
}

TEST_F(FormFileTest, CharacterCodesAreDecimalOrHexadecimalWithAnyLeadingZeros) {
  auto root = ReadOne("object F: TForm\n  Caption = #0065#$0042'c'\nend\n");
  EXPECT_EQ(dynamic_cast<TControl&>(*root).Caption(), "ABc");
}

TEST_F(FormFileTest, MalformedTextsNameTheFileAndLine) {
  static constexpr char kNul[] = "object F: TForm\n  \0\nend\n";
  struct Case {
    std::string_view text;
    int line;
    const char* reason;
  };
  const Case cases[] = {
      {"object F: TForm\n  object X: TNoSuchClass\n  end\nend\n", 2, "Unknown class TNoSuchClass"},
      {"object F: TForm\n  Colour = 3\nend\n", 2, "Unknown property Colour of TForm"},
      {"object F: TForm\n  Left = 'ten'\nend\n", 2, "Integer expected for property Left"},
      {"object F: TForm\n  Left = 4294967296\nend\n", 2, "Integer 4294967296 out of range"},
      {"object F: TForm\n  Visible = Maybe\nend\n", 2, "Invalid value Maybe for property Visible"},
      {"object F: TForm\n\n  Caption = 'open\nend\n", 3, "Unterminated string"},
      {"object F: TForm\n  object W: TWidget\n    Count = 1\n  end\n", 5, "'end' expected"},
      {"object F: TForm\nend\nend\n", 3, "'end' without a matching 'object'"},
      {"object F: TForm\n  object W: TWidget\n    Options = [opBold opItalic]\n  end\nend\n", 3,
       "',' expected"},
      {"object F: TForm\n  object W: TWidget\n    Items = (\n'a')\n  end\nend\n", 3,
       "Unknown property Items"},
      {"object F: TForm\n  object W: TWidget\n    Letter = 'ab'\n  end\nend\n", 3,
       "One character expected"},
      {"object F: TForm\n  object W: TWidget\n    Items.Strings = (\n    'a'\n", 5, "')' expected"},
      {"object F: TForm\n  ActiveControl = Nobody\nend\n", 2, "Unknown component Nobody"},
      {"object F: TForm\n  object G: TGadget\n  end\n  ActiveControl = G\nend\n", 4,
       "Property ActiveControl needs a TWinControl, and G is a TGadget"},
      {"object F: TForm\n  object A: TWidget\n  end\n  object a: TWidget\n  end\nend\n", 4,
       "A component named a already exists"},
      {"object F: TForm\n  object G: TGadget\n    object W: TWidget\n    end\n  end\nend\n", 3,
       "cannot contain the control W"},
      {"object F: TForm\n  Caption = #300\nend\n", 2, "Invalid character code #300"},
      {"object F: TForm\n  Caption = 'a'#$\nend\n", 2, "Invalid character code #$"},
      // Messages name the whole bad token, and show control characters as codes.
      {"object F: TForm\n  Left = 12abc\nend\n", 2, "Invalid number 12abc"},
      {"object F: TForm\n  Left = $1G.5\nend\n", 2, "Invalid number $1G.5"},
      {"object F: TForm\n  Left = 1\x01\nend\n", 2, "Invalid character #1"},
      {std::string_view(kNul, sizeof kNul - 1), 2, "Invalid character #0"},
      {"object F: TForm\n  Visible = 'a'#9'b'\nend\n", 2,
       "Invalid value 'a'#9'b' for property Visible"},
      {"object F: TForm\n  Visible = (\nend\n", 2, "Invalid value '(' for property Visible"},
      {"object F: TForm\n  Visible =", 2, "Invalid value end of text for property Visible"},
      {"", 1, "No object in the text"},
  };
  for (const Case& c : cases) {
    EParserError error = ErrorOf(c.text);
    EXPECT_EQ(error.Line(), c.line) << c.text;
    EXPECT_NE(error.Reason().find(c.reason), std::string::npos) << error.Message();
    EXPECT_EQ(error.Message().rfind("main.dfm(" + std::to_string(c.line) + "): ", 0), 0u)
        << error.Message();
  }
}

// Deep enough to overflow the stack of every recursive walk: refused at the first object too deep.
TEST_F(FormFileTest, ObjectsNestAtMostAHundredDeep) {
  auto nested = [](int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "object W" + std::to_string(i) + ": TWidget\n";
    for (int i = 0; i < depth; ++i) text += "end\n";
    return text;
  };
  auto root = ReadOne(nested(100));
  EXPECT_NE(root->FindComponent("W99"), nullptr);
  const EParserError error = ErrorOf(nested(100000));
  EXPECT_EQ(error.Line(), 101);
  EXPECT_EQ(error.Reason(), "Objects nested more than 100 deep");
}

// A host's check before Loaded is reported at the line of the object it refuses; what Loaded
// raises is the component's own failure and reaches the caller as it is.
TEST_F(FormFileTest, AHostsCheckNamesTheObjectsLineAndLoadedFailuresPassUnchanged) {
  try {
    ReadComponentsText("object F: TForm\n  object G: TGadget\n  end\nend\n", "main.dfm",
                       [](TComponent& c) {
                         if (c.Name() == "G") throw Exception("G is not wanted here");
                       });
    ADD_FAILURE() << "no error";
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Message(), "main.dfm(2): G is not wanted here");
  }
  try {
    ReadComponentsText("object F: TForm\n  object Broken: TGadget\n  end\nend\n", "main.dfm");
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 21);
  }
}

TEST_F(FormFileTest, FilesRoundTripAndNameThemselvesInErrors) {
  std::string path = ::testing::TempDir() + "form_file_test.dfm";
  auto root = ReadOne(kForm);
  WriteComponentFile(*root, path);
  auto roots = ReadComponentsFile(path);
  EXPECT_EQ(WriteComponentText(*roots.front()), WriteComponentText(*root));

  TStringList lines;
  lines.SetText("object F: TForm\n  Bogus = 1\nend\n");
  lines.SaveToFile(path);
  try {
    ReadComponentsFile(path);
    FAIL() << "no error";
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Message(), path + "(2): Unknown property Bogus of TForm");
  }
  EXPECT_THROW(ReadComponentsFile(path + ".missing"), EFOpenError);
}

}  // namespace
