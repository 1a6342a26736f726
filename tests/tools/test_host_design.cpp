// Designing a form file in-process: read with every object designing, the log component's editor
// run while the script plays inside its dialog, and the file written back only when the editor
// changed the form. A stand-in editor opens a modal dialog of the same name and buttons as the
// LogEvents dialog, so that these tests do not depend on it.

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "capture/tracebook_component.h"
#include "platform/vcl/design_component_editor.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/stdctrls.h"
#include "tests/support/scratch_dir.h"
#include "tests/vcl/vcl_fixture.h"
#include "tools/host_commands.h"
#include "tools/host_design.h"
#include "tools/host_session.h"

namespace {

// Confirmed, the dialog switches the button records off; the designer hears of a change however
// it closes, as it does from the log component's own editor.
class TStandInEditor : public TDefaultEditor {
 public:
  using TDefaultEditor::TDefaultEditor;
  void Edit() override {
    TForm dialog(nullptr);
    dialog.SetName("LogEventsDialog");
    dialog.SetBounds(40, 40, 400, 300);
    AddButton(dialog, "OKBtn", 230, mrOk);
    AddButton(dialog, "CancelBtn", 310, mrCancel);
    if (dialog.ShowModal() == mrOk)
      static_cast<TKDTracebook&>(Component()).LogEvents()->Add("TButtonEvent=0");
    Designer().Modified();
  }

 private:
  static void AddButton(TForm& dialog, const char* name, int left, TModalResult result) {
    auto* button = new TButton(&dialog);
    button->SetName(name);
    button->SetParent(&dialog);
    button->SetBounds(left, 240, 75, 25);
    button->SetModalResult(result);
  }
};

// Written the way a person might, not the way the form writer does: spaces that the writer would
// not put there.
constexpr char kDesignedForm[] =
    "object MainForm: TForm\n"
    "  Caption =   'Orders'\n"
    "  Width = 420\n"
    "  Height = 300\n"
    "  object Tracebook1: TKDTracebook\n"
    "    Filename = 'design.evt'\n"
    "    LogEvents.Strings = (\n"
    "      'TActivateEvent=0')\n"
    "  end\n"
    "end\n";

class HostDesign : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    RegisterComponentEditor(TKDTracebook::StaticClass(), &ComponentEditorClass<TStandInEditor>);
    std::string text = kDesignedForm;
    text.replace(text.find("design.evt"), 10, Dir.File("design.evt"));
    WriteTextFile(FormFile(), text);
    original = text;
  }
  void TearDown() override {
    while (!roots.empty()) roots.pop_back();
    UnregisterComponentEditor(&ComponentEditorClass<TStandInEditor>);
    VclTest::TearDown();
  }

  std::string FormFile() const { return Dir.File("form.dfm"); }
  static ino_t InodeOf(const std::string& fileName) {
    struct stat status {};
    ::stat(fileName.c_str(), &status);
    return status.st_ino;
  }

  // Designs the form file while the script plays; answers whether every command could run.
  bool Design(const std::string& script) {
    roots = ReadFormFileToDesign(FormFile());
    return PlaySession(roots, ParseScript(script, "session.script"), "session.script", [this] {
      written = EditTracebook(*FindTracebook(roots), roots, FormFile());
    });
  }
  // Form text read back with every object designing, so that no log starts.
  static std::vector<std::unique_ptr<TComponent>> ReadDesigning(const std::string& text) {
    return ReadComponentsText(text, "",
                              [](TComponent& component) { component.SetDesigning(true); });
  }
  std::string LogEventsInFile() const {
    return FindTracebook(ReadDesigning(ReadTextFile(FormFile())))->LogEvents()->Text();
  }

  ScratchDir Dir;
  std::string original;
  std::vector<std::unique_ptr<TComponent>> roots;
  bool written = false;
};

TEST_F(HostDesign, AConfirmedEditWritesTheFileBackAndTheCommandsLeftPlayAfterIt) {
  const ino_t before = InodeOf(FormFile());
  EXPECT_TRUE(
      Design("click LogEventsDialog.OKBtn\n"
             "set MainForm Caption \"Renamed\"\n"));
  EXPECT_TRUE(written);
  EXPECT_NE(InodeOf(FormFile()), before);  // replaced whole, not written over
  EXPECT_EQ(LogEventsInFile(), "TActivateEvent=0\nTButtonEvent=0\n");
  // The file holds the form as the editor left it, nothing else changed: not what the script did
  // after it, nor what showing a form would have changed (Visible, ActiveControl).
  EXPECT_EQ(static_cast<TControl&>(*roots.front()).Caption(), "Renamed");
  auto expected = ReadDesigning(original);
  FindTracebook(expected)->LogEvents()->Add("TButtonEvent=0");
  EXPECT_EQ(ReadTextFile(FormFile()), FormFileText(expected));
}

TEST_F(HostDesign, AScriptThatEndsWhileTheDialogWaitsCancelsIt) {
  const ino_t before = InodeOf(FormFile());
  EXPECT_TRUE(Design("wait 10\n"));
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadTextFile(FormFile()), original);
  EXPECT_EQ(InodeOf(FormFile()), before);
}

TEST_F(HostDesign, AFailingCommandInsideTheDialogCancelsItAndStopsTheScript) {
  testing::internal::CaptureStderr();
  EXPECT_FALSE(
      Design("click LogEventsDialog.NoSuchBtn\n"
             "click LogEventsDialog.OKBtn\n"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "qvhost: session.script(1): LogEventsDialog has no component NoSuchBtn\n");
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadTextFile(FormFile()), original);
}

TEST_F(HostDesign, AFileThatCannotBeWrittenBackIsReportedByName) {
  const std::string folder = Dir.File("gone");
  std::filesystem::create_directory(folder);
  const std::string file = folder + "/form.dfm";
  WriteTextFile(file, original);
  roots = ReadFormFileToDesign(file);
  std::filesystem::remove_all(folder);
  try {
    PlaySession(roots, ParseScript("click LogEventsDialog.OKBtn\n", "session.script"),
                "session.script", [&] { EditTracebook(*FindTracebook(roots), roots, file); });
    ADD_FAILURE() << "the write succeeded";
  } catch (const EFCreateError& e) {
    EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos);
  }
  EXPECT_EQ(Application().OnIdle, nullptr);  // the session no longer plays
}

}  // namespace
