#pragma once
// What every family's records are checked for: a table holds one record of each class the family
// registers with its event name, display text and property listing, and the checks compare each
// record with its row and send the whole table through a log and back.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/log_fixture.h"

struct TExpectedRecord {
  std::function<std::unique_ptr<TLogEvent>()> Make;
  const char* EventName;
  const char* Text;
  const char* Listing;  // after the "EventName=" line, in the order of the log
};

class RecordTableFixture : public LogFixture {
 protected:
  static std::string Listing(const TLogEvent& record) {
    TStringList lines;
    record.GetPropertiesAndValues(&lines);
    return lines.Text();
  }

  // Each record's class is registered by its name, and the record has its row's event name,
  // display text and listing, and no display defaults of its own.
  static void ExpectNamesTextsAndListings(const std::vector<TExpectedRecord>& table) {
    for (const TExpectedRecord& expected : table) {
      const auto record = expected.Make();
      SCOPED_TRACE(record->ClassName());
      EXPECT_EQ(TLogStream::FindClassByName(record->ClassName()), &record->ClassType());
      EXPECT_EQ(record->GetEventName(), expected.EventName);
      EXPECT_EQ(record->AsString(), expected.Text);
      EXPECT_EQ(Listing(*record),
                std::string("EventName=") + expected.EventName + "\n" + expected.Listing);
      EXPECT_EQ(record->Get_UI_Defaults(), TEventUIDefaults{});
    }
  }

  // The records read back from a log are of the classes and values written, and write the same
  // bytes again.
  void ExpectRoundTrip(const std::vector<TExpectedRecord>& table) {
    {
      TLogStream log(Memory);
      for (const TExpectedRecord& expected : table) log.WriteEvent(expected.Make());
    }
    const std::vector<uint8_t> written = Memory.Bytes();
    auto records = ReadAll();
    ASSERT_EQ(records.size(), table.size());
    for (size_t i = 0; i < records.size(); ++i) {
      SCOPED_TRACE(records[i]->ClassName());
      EXPECT_EQ(&records[i]->ClassType(), &table[i].Make()->ClassType());
      EXPECT_EQ(records[i]->AsString(), table[i].Text);
      EXPECT_EQ(Listing(*records[i]), Listing(*table[i].Make()));
    }
    TMemoryStream again;
    {
      TLogStream log(again);
      for (auto& record : records) log.WriteEvent(std::move(record));
    }
    EXPECT_EQ(again.Bytes(), written);
  }
};
