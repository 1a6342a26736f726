// The settings file: defaults, round trip, malformed values, reset and column widths.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"
#include "viewer/core/settings.h"

namespace {

class SettingsFile : public ::testing::Test {
 protected:
  const TEventData& Entry(const TOXOptions& settings, const std::string& name) {
    for (const TEventData& entry : settings.Events()) {
      if (entry.Name == name) return entry;
    }
    throw std::runtime_error("no entry " + name);
  }

  ScratchDir Dir;
  std::string FileName = Dir.File("Oxlane.ini");
  TOXOptions Settings{FileName};
};

TEST_F(SettingsFile, AFreshInstallationUsesTheDefaults) {
  Settings.Load();
  for (const TWindowSettings* window : {&Settings.MainWin, &Settings.Inspector, &Settings.Filter}) {
    EXPECT_EQ(*window, (TWindowSettings{0, 0, 0, 0, true, false, true, false}));
    EXPECT_FALSE(window->HasBounds());
  }
  EXPECT_EQ(Settings.ViewerFont, (TFontSettings{"MS Sans Serif", 8}));
  EXPECT_EQ(Settings.PrinterFont, (TFontSettings{"MS Sans Serif", 11}));
  EXPECT_FALSE(Settings.InColor);
  EXPECT_EQ(Settings.DateTimeFormat(), QVDateTimeFormat());
  EXPECT_EQ(Settings.LastLog.Filename, "");
  EXPECT_EQ(Settings.LastLog.TickCount, -1);
  EXPECT_TRUE(Settings.Collapse().empty());

  ASSERT_FALSE(Settings.Events().empty());
  for (size_t i = 1; i < Settings.Events().size(); ++i) {
    EXPECT_LT(CompareText(Settings.Events()[i - 1].Name, Settings.Events()[i].Name), 0);
  }
  const TEventData& exception = Entry(Settings, "TExceptionEvent");
  const TEventUIDefaults defaults = TExceptionEvent::StaticClass().Get_UI_Defaults();
  EXPECT_EQ(exception,
            (TEventData{"TExceptionEvent", defaults.Color, defaults.Bold, defaults.Italic, true}));
  EXPECT_FALSE(FileExists(FileName));  // loading writes nothing
}

TEST_F(SettingsFile, EverythingSavedIsLoadedAgain) {
  Settings.Load();
  Settings.MainWin = {10, 20, 810, 620, true, true, false, false};
  Settings.Inspector = {1, 2, 3, 4, false, false, true, true};
  Settings.ViewerFont = {"Courier New", 10};
  Settings.PrinterFont = {"Arial", 9};
  Settings.InColor = true;
  Settings.SetDateTimeFormat("yyyy hh:nn");
  Settings.SetEnabled("TSeparatorEvent", false);
  Settings.SetAttributes("TUserMessageEvent", {0x80000012, false, true});
  Settings.LastLog = {"/logs/app.evt", 123456};
  Settings.SetCollapse({4, 17, 52});
  Settings.Save();

  const std::string text = ReadTextFile(FileName);
  EXPECT_NE(text.find("Color=-2147483630"), std::string::npos);  // system colours are negative
  EXPECT_NE(text.find("Collapse=3,4,17,52"), std::string::npos);
  EXPECT_NE(text.find("[MainWin]\nLeft=10\nTop=20\nRight=810\nBottom=620\nVisible=1\nMax=1\n"
                      "Docked=0\nDockedLeft=0\n"),
            std::string::npos);

  TOXOptions loaded(FileName);
  loaded.Load();
  EXPECT_EQ(loaded.MainWin, Settings.MainWin);
  EXPECT_EQ(loaded.Inspector, Settings.Inspector);
  EXPECT_EQ(loaded.Filter, Settings.Filter);
  EXPECT_EQ(loaded.ViewerFont, Settings.ViewerFont);
  EXPECT_EQ(loaded.PrinterFont, Settings.PrinterFont);
  EXPECT_TRUE(loaded.InColor);
  EXPECT_EQ(loaded.DateTimeFormat(), "yyyy hh:nn");
  EXPECT_EQ(loaded.Events(), Settings.Events());
  EXPECT_FALSE(loaded.IsEnabled("TSeparatorEvent"));
  EXPECT_EQ(loaded.GetAttributes("TUserMessageEvent"), (TEventUIDefaults{0x80000012, false, true}));
  EXPECT_EQ(loaded.LastLog.Filename, "/logs/app.evt");
  EXPECT_EQ(loaded.LastLog.TickCount, 123456);
  EXPECT_EQ(loaded.Collapse(), (std::vector<int32_t>{4, 17, 52}));
}

TEST_F(SettingsFile, MalformedValuesFallBackToTheirDefaults) {
  WriteTextFile(
      FileName,
      "[MainWin]\nLeft=abc\nVisible=yes\nMax=\n[Viewer]\nFontSize=big\n"
      "[Printer]\nInColor=1.5\n[TUserMessageEvent]\nEnabled=no\nColor=red\nBold=x\n"
      "[LastLog]\nTickCount=soon\nCollapse=,,,\n[EventFormEventListView]\nColWidth0=wide\n"
      "ColWidth1=-7\nColWidth2=-2\n");
  Settings.Load();
  EXPECT_EQ(Settings.MainWin, TWindowSettings{});
  EXPECT_EQ(Settings.ViewerFont.Size, 8);
  EXPECT_FALSE(Settings.InColor);
  const TEventUIDefaults defaults = TUserMessageEvent::StaticClass().Get_UI_Defaults();
  EXPECT_EQ(
      Entry(Settings, "TUserMessageEvent"),
      (TEventData{"TUserMessageEvent", defaults.Color, defaults.Bold, defaults.Italic, true}));
  EXPECT_EQ(Settings.LastLog.TickCount, -1);
  EXPECT_TRUE(Settings.Collapse().empty());

  std::vector<int32_t> widths{100, 100, 300, 50};
  Settings.ReadColumnWidths("EventFormEventListView", widths);
  EXPECT_EQ(widths, (std::vector<int32_t>{100, 100, -2, 50}));  // below -2 keeps the width
}

TEST_F(SettingsFile, ColumnWidthsAreWrittenPerListViewWithTheNextSave) {
  Settings.WriteColumnWidths("EventInspectorFormPropList", {80, 120});
  std::vector<int32_t> widths{1, 2, 3};
  Settings.ReadColumnWidths("EventInspectorFormPropList", widths);
  EXPECT_EQ(widths, (std::vector<int32_t>{80, 120, 3}));
  EXPECT_FALSE(FileExists(FileName));
  Settings.Save();
  EXPECT_NE(
      ReadTextFile(FileName).find("[EventInspectorFormPropList]\nColWidth0=80\nColWidth1=120"),
      std::string::npos);
}

TEST_F(SettingsFile, TextsThatWouldNotReadBackAreNotStored) {
  Settings.Load();
  Settings.ViewerFont = {"Two\nLines", 9};
  Settings.PrinterFont = {" Padded ", 10};
  Settings.LastLog = {"/logs/two\nlines.evt", 1000};
  Settings.SetCollapse({2, 5});
  Settings.Save();

  const std::string text = ReadTextFile(FileName);
  EXPECT_EQ(text.find("Lines"), std::string::npos);
  EXPECT_EQ(text.find("lines.evt"), std::string::npos);
  TOXOptions loaded(FileName);
  loaded.Load();
  EXPECT_EQ(loaded.ViewerFont, (TFontSettings{"MS Sans Serif", 9}));
  EXPECT_EQ(loaded.PrinterFont, (TFontSettings{"MS Sans Serif", 10}));
  // The last log is stored as none, so nothing is restored into another log.
  EXPECT_EQ(loaded.LastLog.Filename, "");
  EXPECT_EQ(loaded.LastLog.TickCount, -1);
  EXPECT_TRUE(loaded.Collapse().empty());
  EXPECT_EQ(loaded.Events(), Settings.Events());  // the rest is all there

  Settings.LastLog = {"/logs/app.evt", 1000};
  Settings.Save();
  loaded.Load();
  EXPECT_EQ(loaded.LastLog.Filename, "/logs/app.evt");
  EXPECT_EQ(loaded.Collapse(), (std::vector<int32_t>{2, 5}));
}

class UnwritableSettings : public SettingsFile {
 protected:
  // A settings file as an earlier run left it.
  void SetUp() override {
    Settings.Load();
    Settings.ViewerFont = {"Courier New", 10};
    Settings.Save();
    FOldText = ReadTextFile(FileName);
  }
  // Changes the settings and saves them in a child process prepared by `prepare`; true when the
  // save raised a file error.
  bool SaveFails(const std::function<bool()>& prepare) {
    return RunInChild([&] {
             if (!prepare()) return 2;
             TOXOptions settings(FileName);
             settings.Load();
             settings.ViewerFont = {"Arial", 12};
             settings.LastLog = {Dir.File("app.evt"), 1000};
             try {
               settings.Save();
             } catch (const EStreamError&) {
               return 0;
             }
             return 1;
           }) == 0;
  }
  void ExpectOldFileWhole() {
    EXPECT_EQ(ReadTextFile(FileName), FOldText);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Dir.Path())) {
      names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"Oxlane.ini"});  // no temporary file left behind
  }

 private:
  std::string FOldText;
};

TEST_F(UnwritableSettings, AReadOnlyFolderKeepsTheOldFile) {
  ASSERT_EQ(::chmod(Dir.Path().c_str(), 0555), 0);
  EXPECT_TRUE(SaveFails(DropSuperUser));
  ::chmod(Dir.Path().c_str(), 0700);
  ExpectOldFileWhole();
}

TEST_F(UnwritableSettings, AFailingWriteKeepsTheOldFile) {
  EXPECT_TRUE(SaveFails([] {
    // A file-size limit below the settings' size: the write fails half way, as on a full disk.
    const rlimit limit{200, 200};
    return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }));
  ExpectOldFileWhole();
}

TEST_F(SettingsFile, AFolderInPlaceOfTheFileGivesDefaultsAndASaveError) {
  std::filesystem::create_directory(FileName);
  Settings.Load();
  EXPECT_EQ(Settings.ViewerFont, (TFontSettings{"MS Sans Serif", 8}));
  EXPECT_THROW(Settings.Save(), EFCreateError);
  EXPECT_TRUE(std::filesystem::is_directory(FileName));
}

TEST_F(SettingsFile, AnUnreadableFileIsNotReplaced) {
  WriteTextFile(FileName, "[Viewer]\nFontSize=10\n");
  ASSERT_EQ(::chmod(FileName.c_str(), 0200), 0);
  ASSERT_EQ(::chmod(Dir.Path().c_str(), 0777), 0);
  EXPECT_EQ(RunInChild([&] {
              if (!DropSuperUser()) return 2;
              TOXOptions settings(FileName);
              settings.Load();
              if (settings.ViewerFont.Size != 8) return 3;  // read as defaults
              try {
                settings.Save();
              } catch (const EFOpenError&) {
                return 0;
              }
              return 1;
            }),
            0);
  ::chmod(FileName.c_str(), 0600);
  EXPECT_EQ(ReadTextFile(FileName), "[Viewer]\nFontSize=10\n");
}

TEST_F(SettingsFile, ResetRestoresTheDisplayEntriesFormatAndPrinterFontOnly) {
  Settings.Load();
  const std::vector<TEventData> library = Settings.Events();
  Settings.SetEnabled("TUserMessageEvent", false);
  Settings.SetAttributes("TUserMessageEvent", {0x00FF00, true, true});
  Settings.SetDateTimeFormat("hh");
  Settings.PrinterFont = {"Arial", 20};
  Settings.ViewerFont = {"Arial", 12};
  Settings.InColor = true;
  Settings.MainWin.Left = 5;
  Settings.LastLog = {"x.evt", 7};

  Settings.ResetDefaults();
  EXPECT_EQ(Settings.Events(), library);
  EXPECT_EQ(Settings.DateTimeFormat(), QVDateTimeFormat());
  EXPECT_EQ(Settings.PrinterFont, (TFontSettings{"MS Sans Serif", 11}));
  EXPECT_EQ(Settings.ViewerFont, (TFontSettings{"Arial", 12}));
  EXPECT_TRUE(Settings.InColor);
  EXPECT_EQ(Settings.MainWin.Left, 5);
  EXPECT_EQ(Settings.LastLog.TickCount, 7);
  EXPECT_FALSE(FileExists(FileName));
}

TEST_F(SettingsFile, NamesWithoutAnEntryAreHiddenAndCannotBeChanged) {
  Settings.Load();
  EXPECT_FALSE(Settings.IsEnabled("TNoSuchEvent"));
  EXPECT_FALSE(Settings.IsEnabled("tusermessageevent"));  // names compare exactly
  Settings.SetEnabled("TNoSuchEvent", true);
  Settings.SetAttributes("TNoSuchEvent", {0x123456, true, true});
  EXPECT_FALSE(Settings.IsEnabled("TNoSuchEvent"));
  EXPECT_EQ(Settings.GetAttributes("TNoSuchEvent"), (TEventUIDefaults{0x80000008, false, false}));
  EXPECT_EQ(TOXOptions::FileNameFor("/opt/oxlane/Oxlane"), "/opt/oxlane/Oxlane.ini");
}

}  // namespace
