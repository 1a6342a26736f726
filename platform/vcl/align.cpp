// TWinControl::AlignControls: the layout of a container's aligned children.

#include <algorithm>
#include <vector>

#include "platform/vcl/win_control.h"

namespace {

// Where a child stands in the order its alignment is laid out in: top-aligned children from the
// top down, bottom-aligned ones from the bottom up, and so on.
int64_t OrderKey(const TControl& control) {
  switch (control.Align()) {
    case alTop:
      return control.Top();
    case alBottom:
      return -(int64_t{control.Top()} + control.Height());
    case alLeft:
      return control.Left();
    case alRight:
      return -(int64_t{control.Left()} + control.Width());
    default:
      return 0;
  }
}

}  // namespace

void TWinControl::Loaded() {
  TControl::Loaded();
  AlignControls();
}

void TWinControl::AlignControls() {
  if (FAligning || Loading()) return;
  std::vector<TControl*> aligned;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Visible() && child->Align() != alNone) aligned.push_back(child);
  }
  if (aligned.empty()) return;
  // Children of one alignment keep the order of their places; ties keep the order of the list.
  std::stable_sort(aligned.begin(), aligned.end(), [](const TControl* a, const TControl* b) {
    if (a->Align() != b->Align()) return a->Align() < b->Align();
    return OrderKey(*a) < OrderKey(*b);
  });

  FAligning = true;
  struct TAligningDone {
    bool& Flag;
    ~TAligningDone() { Flag = false; }
  } done{FAligning};
  RECT rest{0, 0, Width(), Height()};
  auto width = [&] { return std::max(rest.right - rest.left, LONG{0}); };
  auto height = [&] { return std::max(rest.bottom - rest.top, LONG{0}); };
  for (TControl* child : aligned) {
    switch (child->Align()) {
      case alTop:
        child->SetBounds(rest.left, rest.top, width(), child->Height());
        rest.top = SaturatedSum(rest.top, child->Height());
        break;
      case alBottom:
        child->SetBounds(rest.left, SaturatedSum(rest.bottom, -int64_t{child->Height()}), width(),
                         child->Height());
        rest.bottom = child->Top();
        break;
      case alLeft:
        child->SetBounds(rest.left, rest.top, child->Width(), height());
        rest.left = SaturatedSum(rest.left, child->Width());
        break;
      case alRight:
        child->SetBounds(SaturatedSum(rest.right, -int64_t{child->Width()}), rest.top,
                         child->Width(), height());
        rest.right = child->Left();
        break;
      default:
        child->SetBounds(rest.left, rest.top, width(), height());
    }
  }
}
