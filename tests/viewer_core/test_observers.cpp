// Several windows following one record list.

#include <string>
#include <vector>

#include "tests/viewer_core/viewer_fixture.h"

namespace {

using Listening = ViewerFixture;

struct Listener : TEventViewObserver {
  Listener(std::string name, std::vector<std::string>& calls)
      : Name(std::move(name)), Calls(calls) {}
  void ViewReset() override { Calls.push_back(Name + " reset"); }
  void SelectionChanged() override {
    Calls.push_back(Name + " selection");
    if (OnSelection) OnSelection();
  }
  void RecordsAboutToBeFreed() override { Calls.push_back(Name + " free"); }
  std::string Name;
  std::vector<std::string>& Calls;
  std::function<void()> OnSelection;
};

TEST_F(Listening, EveryListenerHearsEachChangeInTurnAndOfTheRecordsBeingFreed) {
  LogWriter(LogFile).At(1000).Start().At(1100).Message("a").At(1200).Stop();
  std::vector<std::string> calls;
  Listener list("list", calls);
  Listener inspector("inspector", calls);
  Viewer().AddObserver(&list);
  Viewer().AddObserver(&inspector);
  Viewer().AddObserver(&list);  // once only
  Viewer().Load(LogFile);
  EXPECT_EQ(calls,
            (std::vector<std::string>{"list free", "inspector free", "list reset",
                                      "inspector reset", "list selection", "inspector selection"}));
  calls.clear();
  Viewer().Select(1);
  EXPECT_EQ(calls, (std::vector<std::string>{"list selection", "inspector selection"}));
  Viewer().RemoveObserver(&list);
  calls.clear();
  RestartViewer();  // the list's records go with it
  EXPECT_EQ(calls, (std::vector<std::string>{"inspector free"}));
}

TEST_F(Listening, AListenerThatGoesWhileBeingToldIsNotToldAgain) {
  LogWriter(LogFile).At(1000).Start().At(1100).Stop();
  Viewer().Load(LogFile);
  std::vector<std::string> calls;
  Listener first("first", calls);
  Listener second("second", calls);
  Listener late("late", calls);
  first.OnSelection = [&] {
    Viewer().RemoveObserver(&second);
    Viewer().AddObserver(&late);
  };
  Viewer().AddObserver(&first);
  Viewer().AddObserver(&second);
  Viewer().Select(0);
  EXPECT_EQ(calls, (std::vector<std::string>{"first selection"}));
  first.OnSelection = nullptr;
  calls.clear();
  Viewer().Select(1);
  EXPECT_EQ(calls, (std::vector<std::string>{"first selection", "late selection"}));
  Viewer().RemoveObserver(&first);
  Viewer().RemoveObserver(&late);
}

}  // namespace
