// Follow mode: the window watches the log it shows and reads on whatever is appended to it.

#include <QAction>

#include "viewer/gui/event_list_view.h"
#include "viewer/gui/follow_watch.h"
#include "viewer/gui/main_window.h"

void TEventForm::SetFollowing(bool on) {
  FActions.ViewFollow->setChecked(on);
  if (!on) {
    FFollowWatch->Stop();
    return;
  }
  FFollowWatch->Watch(QString::fromStdString(FView->CurrentFile()));
  // What was written since the log was read, or since follow mode was last on.
  ReadAppended();
}

bool TEventForm::Following() const { return FActions.ViewFollow->isChecked(); }

void TEventForm::ReadAppended() {
  if (FLoading || FAskingToReload) {
    // Read once that is over.
    FFollowWatch->Poke();
    return;
  }
  const bool lastRowInView = FList->IsLastRowInView();
  const int rowsBefore = FView->RowCount();
  const std::optional<TLoadResult> reloaded = FView->ReadAppended();
  if (reloaded) ShowLoadResult(*reloaded);
  if (lastRowInView && FView->RowCount() != rowsBefore) FList->scrollToBottom();
}
