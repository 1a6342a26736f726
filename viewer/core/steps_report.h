#pragma once
// The steps report's content: the visible rows of the window as steps, one per row, in row
// order. Each session's start is a heading, and so is each section's entry; the steps between are
// numbered from 1 in each session and carry their time from the session's start. A heading whose
// group the window shows collapsed says so, and the steps it hides are not in the report. The
// separator the viewer inserts after each session is left out: the next heading shows the break.

#include <cstdint>
#include <functional>
#include <string>

#include "viewer/core/event_view.h"
#include "viewer/core/step_wording.h"

struct TStepLine {
  TStepKind Kind = TStepKind::skAction;
  int Session = -1;  // 0-based index in the session table; -1 before the first session
  int Number = 0;    // 1-based within the session; 0 for headings and ends
  int Level = 0;     // nesting: 0 for a session's start and end, 1 for the steps in it, and so on
  bool Collapsed = false;  // a heading whose steps the window hides
  std::string Time;        // from the session's start; empty before the first session
  std::string Text;
};

// Whether the line is a numbered step rather than a heading or the end of a group.
bool IsNumberedStep(TStepKind kind);

// Hands each visible row's line to `line`, in row order.
void ForEachStep(const TEventView& view, const std::function<void(const TStepLine&)>& line);

// A span of milliseconds as m:ss.mmm, or h:mm:ss.mmm from an hour on; a negative span has a
// leading minus sign.
std::string StepTimeText(int64_t milliseconds);
