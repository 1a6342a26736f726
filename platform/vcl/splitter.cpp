// TSplitter: the neighbour it resizes and the drag that resizes it.

#include "platform/vcl/splitter.h"

#include <algorithm>

#include "platform/vcl/std_control.h"
#include "platform/vcl/win_control.h"

const TComponentClass& TSplitter::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TSplitter::MinSize, &TSplitter::SetMinSize>("MinSize", {.Default = 30}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TSplitter",
      .Parent = &TControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TSplitter>,
  });
  return cls;
}

TSplitter::TSplitter(TComponent* owner) : TControl(owner) {
  SetBounds(0, 0, 3, 100);  // the framework's size for a new splitter
  SetAlign(alLeft);
}

void TSplitter::SetMinSize(int value) { FMinSize = std::max(BoundedSize(value), 1); }

bool TSplitter::Horizontal() const { return Align() == alLeft || Align() == alRight; }

TControl* TSplitter::Neighbour() const {
  const TWinControl* parent = Parent();
  if (!parent || Align() == alNone || Align() == alClient) return nullptr;
  // The point just beyond the splitter's aligned side.
  POINT beyond{Left(), Top()};
  switch (Align()) {
    case alLeft:
      beyond.x = Left() - 1;
      break;
    case alRight:
      beyond.x = Left() + Width();
      break;
    case alTop:
      beyond.y = Top() - 1;
      break;
    default:
      beyond.y = Top() + Height();
  }
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* control = parent->Controls(i);
    if (control == this || control->Align() != Align() || !control->Visible() ||
        !control->Enabled())
      continue;
    if (beyond.x >= control->Left() && beyond.x < control->Left() + control->Width() &&
        beyond.y >= control->Top() && beyond.y < control->Top() + control->Height())
      return control;
  }
  return nullptr;
}

void TSplitter::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == opRemove && component == FNeighbour) FNeighbour = nullptr;
}

// The neighbour may grow until the controls aligned across the same way, the splitter included,
// would leave less than MinSize of the parent.
void TSplitter::BeginDrag(POINT parentPoint) {
  TControl* neighbour = Neighbour();
  if (!neighbour) return;
  const TWinControl& parent = *Parent();
  const bool horizontal = Horizontal();
  int64_t room = (horizontal ? parent.Width() : parent.Height()) - int64_t{FMinSize};
  for (int i = 0; i < parent.ControlCount(); ++i) {
    const TControl* control = parent.Controls(i);
    if (!control->Visible()) continue;
    if (horizontal && (control->Align() == alLeft || control->Align() == alRight))
      room -= control->Width();
    if (!horizontal && (control->Align() == alTop || control->Align() == alBottom))
      room -= control->Height();
  }
  FStartSize = horizontal ? neighbour->Width() : neighbour->Height();
  FMaxSize = BoundedSize(room + FStartSize);
  FDownPosition = horizontal ? parentPoint.x : parentPoint.y;
  FNeighbour = neighbour;
  neighbour->FreeNotification(this);
}

void TSplitter::DragTo(POINT parentPoint) {
  if (!FNeighbour) return;
  const int64_t moved = int64_t{Horizontal() ? parentPoint.x : parentPoint.y} - FDownPosition;
  // Dragging a left or top splitter away from its neighbour makes the neighbour larger; a right
  // or bottom one, smaller.
  const bool growsWithMove = Align() == alLeft || Align() == alTop;
  const int64_t wanted = FStartSize + (growsWithMove ? moved : -moved);
  const int size =
      static_cast<int>(std::max<int64_t>(std::min<int64_t>(wanted, FMaxSize), FMinSize));
  if (Horizontal())
    FNeighbour->SetWidth(size);
  else
    FNeighbour->SetHeight(size);
}

void TSplitter::EndDrag() {
  if (!FNeighbour) return;
  FNeighbour->RemoveFreeNotification(this);
  FNeighbour = nullptr;
  if (OnMoved) OnMoved(this);
}

void TSplitter::WndProc(TMessage& message) {
  // The message's point is the splitter's; the drag follows it in the parent's coordinates, since
  // the splitter moves under the pointer.
  const POINT point = PointOfMessage(message.LParam);
  const POINT parentPoint{point.x + Left(), point.y + Top()};
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (Enabled()) BeginDrag(parentPoint);
      return;
    case WM_MOUSEMOVE:
      if (message.WParam & MK_LBUTTON) DragTo(parentPoint);
      return;
    case WM_LBUTTONUP:
      DragTo(parentPoint);
      EndDrag();
      return;
    case CM_CANCELMODE:
      EndDrag();
      return;
  }
  TControl::WndProc(message);
}
