// The sample order form's session, recorded and compared record by record with the records it
// must log (examples/qt_orders/orders.expected, written as RecordsText writes records, less the
// mouse coordinates).

#include <gtest/gtest.h>

#include <QTest>
#include <sstream>
#include <string>

#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "order_form.h"
#include "order_session.h"
#include "qvqt/qt_recording.h"
#include "tests/support/records_text.h"
#include "tests/support/scratch_dir.h"

namespace {

std::vector<std::unique_ptr<TLogEvent>> ReadLog(const std::string& fileName) {
  auto file = OpenLogFileForReading(fileName);
  TLogStream reader(*file);
  std::vector<std::unique_ptr<TLogEvent>> records;
  while (auto record = reader.ReadEvent()) records.push_back(std::move(record));
  return records;
}

// The text without the lines of mouse coordinates: where a click lands in a widget follows the
// widget's size, which follows the fonts of the machine.
std::string WithoutCoordinates(const std::string& text) {
  std::istringstream in(text);
  std::string kept;
  for (std::string line; std::getline(in, line);)
    if (!line.starts_with("  X=") && !line.starts_with("  Y=")) kept += line + "\n";
  return kept;
}

TEST(QtOrders, TheSampleSessionLogsWhatTheUserDidRecordByRecord) {
  ScratchDir scratch;
  const std::string log = scratch.File("orders.evt");
  {
    TOrderForm form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    StartQtRecording(log, "Orders");
    PlayOrderSession(form);
    StopQtRecording();
  }
  const std::string recorded = WithoutCoordinates(RecordsText(ReadLog(log)));
  EXPECT_EQ(recorded, ExpectedText(QT_ORDERS_EXPECTED)) << recorded;
}

}  // namespace
