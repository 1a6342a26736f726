// THeaderControl: sections, clicks and divider drags.

#include "platform/vcl/header_control.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/std_control.h"

namespace {

// How far from a divider a press still grabs it.
constexpr int kDividerReach = 3;

}  // namespace

// ---- THeaderSection -----------------------------------------------------------------------------

const TComponentClass& THeaderSection::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&THeaderSection::Text, &THeaderSection::SetText>("Text"),
      Published<&THeaderSection::Width, &THeaderSection::SetWidth>("Width", {.Default = 50}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "THeaderSection",
      .Parent = &TCollectionItem::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

void THeaderSection::SetText(const std::string& value) {
  FText = value;
  Changed();
}

void THeaderSection::SetWidth(int value) {
  FWidth = BoundedSize(value);
  Changed();
}

int THeaderSection::Left() const {
  int left = 0;
  for (int i = 0; i < Index(); ++i)
    left += static_cast<THeaderSections*>(Collection())->Items(i)->Width();
  return left;
}

// ---- THeaderControl -----------------------------------------------------------------------------

const TComponentClass& THeaderControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&THeaderControl::Sections>("Sections"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "THeaderControl",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<THeaderControl>,
  });
  return cls;
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 17);  // the framework's size for a new header
  FSections.OnChange = [this] {
    if (FTracking >= FSections.Count()) EndTracking();
    if (FPressed >= FSections.Count()) FPressed = -1;
  };
}

int THeaderControl::SectionAt(int x) const {
  int left = 0;
  for (int i = 0; i < FSections.Count(); ++i) {
    const int right = left + FSections.Items(i)->Width();
    if (x >= left && x < right) return i;
    left = right;
  }
  return -1;
}

// The last divider within reach wins, so that a section shrunk to nothing can be widened again.
int THeaderControl::DividerAt(int x) const {
  int found = -1;
  int right = 0;
  for (int i = 0; i < FSections.Count(); ++i) {
    right += FSections.Items(i)->Width();
    if (x >= right - kDividerReach && x <= right + kDividerReach) found = i;
  }
  return found;
}

void THeaderControl::Notify(UINT code, int section) {
  HDITEMA item;
  item.mask = HDI_WIDTH | HDI_TEXT;
  item.cxy = FSections.Items(section)->Width();
  std::string text = FSections.Items(section)->Text();
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size()) + 1;
  NMHEADERA header;
  header.iItem = section;
  header.iButton = 0;
  header.pitem = &item;
  NotifyParentWindow(code, header.hdr);
}

// The dragged divider follows the pointer; the section never gets narrower than nothing.
void THeaderControl::Track(int x) {
  THeaderSection& section = *FSections.Items(FTracking);
  const int width = std::max(x - section.Left(), 0);
  if (width == section.Width()) return;
  section.SetWidth(width);
  Notify(HDN_TRACKA, FTracking);
}

// The drag is over (or its section went away): the mouse goes back to the window under it.
int THeaderControl::EndTracking() {
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  return std::exchange(FTracking, -1);
}

void THeaderControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: {
      const POINT point = PointOfMessage(message.LParam);
      FTracking = DividerAt(point.x);
      FPressed = FTracking >= 0 ? -1 : SectionAt(point.x);
      if (FTracking >= 0) {
        SetCapture(Handle());
        Notify(HDN_BEGINTRACKA, FTracking);
      }
      return;
    }
    case WM_MOUSEMOVE:
      if (FTracking >= 0) Track(PointOfMessage(message.LParam).x);
      return;
    case WM_LBUTTONUP: {
      const POINT point = PointOfMessage(message.LParam);
      if (FTracking >= 0) {
        Track(point.x);
        const int tracked = EndTracking();
        Notify(HDN_ENDTRACKA, tracked);
        Notify(HDN_ITEMCHANGEDA, tracked);
        return;
      }
      const int pressed = std::exchange(FPressed, -1);
      if (pressed >= 0 && SectionAt(point.x) == pressed) Notify(HDN_ITEMCLICKA, pressed);
      return;
    }
    case HDM_GETITEMCOUNT:
      message.Result = FSections.Count();
      return;
  }
  TWinControl::WndProc(message);
}
