#pragma once
// THeaderControl: a row of sections side by side, each with a text and a width. A click on a
// section tells the parent HDN_ITEMCLICKA; a press on the divider at a section's right edge
// begins a drag (HDN_BEGINTRACKA), each move of the mouse sets the section's width and tells
// HDN_TRACKA, and the release tells HDN_ENDTRACKA and HDN_ITEMCHANGEDA with the final width.

#include <string>

#include "platform/vcl/collection.h"
#include "platform/vcl/win_control.h"

class THeaderSection : public TCollectionItem {
  COMPONENT_CLASS(THeaderSection)

 public:
  explicit THeaderSection(TCollection* collection) : TCollectionItem(collection) {}

  const std::string& Text() const { return FText; }
  void SetText(const std::string& value);
  // Never negative.
  int Width() const { return FWidth; }
  void SetWidth(int value);
  // The section's left edge in the header's client coordinates.
  int Left() const;

 private:
  std::string FText;
  int FWidth = 50;
};

class THeaderSections : public TTypedCollection<THeaderSection> {};

class THeaderControl : public TWinControl {
  COMPONENT_CLASS(THeaderControl)

 public:
  explicit THeaderControl(TComponent* owner);

  THeaderSections* Sections() const { return &FSections; }

  // The section under a client x (dividers included), or -1.
  int SectionAt(int x) const;
  // The section whose divider (its right edge, give or take a few pixels) lies at x, or -1.
  int DividerAt(int x) const;

  void WndProc(TMessage& message) override;

 private:
  void Notify(UINT code, int section);
  void Track(int x);
  int EndTracking();  // answers the section that was tracked

  mutable THeaderSections FSections;
  int FTracking = -1;  // the section whose divider is being dragged
  int FPressed = -1;   // the section a press began on
};
