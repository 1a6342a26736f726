// Crafted logs and a nonsense settings file in the window: it opens, reports and paints them.

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>

#include "gui_fixture.h"
#include "tests/viewer_core/crafted_logs.h"
#include "viewer/gui/options_dialog.h"

namespace {

using BadInputWindow = GuiFixture;

TEST_F(BadInputWindow, CraftedLogsOpenReportTheirDamageAndPaint) {
  WriteMixedLog(LogFile);
  const std::string whole = ReadTextFile(LogFile);
  Window().resize(700, 500);
  Window().show();
  const struct {
    std::string Bytes;
    bool Reported;
  } logs[] = {{"", true},
              {RandomRecords(11, 80).substr(0, 5), true},
              {whole.substr(0, whole.size() - 3), true},
              {RandomRecords(5, 200), true},
              {whole, false}};
  for (const auto& log : logs) {
    WriteTextFile(LogFile, log.Bytes);
    const size_t errors = Dialogs.Errors.size();
    Window().Load(LogFile);
    EXPECT_EQ(Dialogs.Errors.size(), errors + (log.Reported ? 1 : 0)) << log.Bytes.size();
    for (int row = 0; row < RowCount(); ++row) Window().View().Toggle(row);
    EXPECT_FALSE(Window().grab().isNull());
  }
}

TEST_F(BadInputWindow, ANonsenseSettingsFileStillGivesAUsableWindow) {
  WriteSessionLog();
  WriteTextFile(Dir.File("Oxlane.ini"),
                "[MainWin]\nLeft=-2147483648\nTop=-2147483648\nRight=2147483647\n"
                "Bottom=2147483647\nMax=7\n"
                "[Viewer]\nFontName=\nFontSize=100000\nDateTimeFormat=\"\n"
                "[Printer]\nFontName=??\nFontSize=144\n"
                "[EventFormEventListView]\nColWidth0=2147483647\nColWidth1=-2\nColWidth2=x\n"
                "[TUserMessageEvent]\nColor=-1\nBold=2\n"
                "[LastLog]\nFilename=" +
                    LogFile + "\nTickCount=1000\nCollapse=99999999,5,-1,x,1000000000\n");
  Window().Load(LogFile);
  Window().showNormal();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // On the screen and no larger than it (its frame, added by the platform, aside).
  EXPECT_TRUE(screen.intersects(Window().geometry()));
  EXPECT_EQ(Window().size().boundedTo(screen.size()), Window().size());
  EXPECT_EQ(Window().font().pointSize(), kDefaultViewerFontSize);
  EXPECT_LE(Window().List().horizontalHeader()->length(), 1 << 21);
  EXPECT_EQ(RowCount(), 8);
  EXPECT_FALSE(Window().grab().isNull());

  EXPECT_EQ(Settings.ViewerFont.Size, 100000);  // kept as the file has it

  TOptionsDialog options(Settings, Dialogs, &Window());  // shows the largest printer font
  EXPECT_EQ(options.size().boundedTo(screen.size()), options.size());
}

}  // namespace
