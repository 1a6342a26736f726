#pragma once
// Components for the designer's tests: a gauge with a published property of every value kind and
// two string-list properties of different types, and a descendant of it.

#include <memory>
#include <string>

#include "platform/classes.h"
#include "platform/vcl/component.h"

enum TGaugeStyle { gsBar, gsDial, gsText };
enum TGaugeOption { goTicks, goLabels, goBorder };
using TGaugeOptions = TSet<TGaugeOption>;

// Lines of a type of their own, so that an editor can be registered for them alone.
class TGaugeNotes : public TStringList {};

class TGauge : public TComponent {
  COMPONENT_CLASS(TGauge)

 public:
  explicit TGauge(TComponent* owner) : TComponent(owner) {}
  int Position() const { return FPosition; }
  void SetPosition(int value) { FPosition = value; }
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool value) { FSmooth = value; }
  TGaugeStyle Style() const { return FStyle; }
  void SetStyle(TGaugeStyle value) { FStyle = value; }
  char Unit() const { return FUnit; }
  void SetUnit(char value) { FUnit = value; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }
  TGaugeOptions Options() const { return FOptions; }
  void SetOptions(TGaugeOptions value) { FOptions = value; }
  TGauge* Partner() const { return FPartner; }
  void SetPartner(TGauge* value) { FPartner = value; }
  TStrings* Marks() const { return FMarks.get(); }
  TGaugeNotes* Notes() const { return FNotes.get(); }
  void SetNotes(const TStrings& value) {
    FNotes->Assign(value);
    ++NotesSetCount;
  }

  int NotesSetCount = 0;

 private:
  int FPosition = 0;
  bool FSmooth = false;
  TGaugeStyle FStyle = gsBar;
  char FUnit = '%';
  std::string FTitle;
  TGaugeOptions FOptions;
  TGauge* FPartner = nullptr;
  std::unique_ptr<TStrings> FMarks = std::make_unique<TStringList>();
  std::unique_ptr<TGaugeNotes> FNotes = std::make_unique<TGaugeNotes>();
};

class TRoundGauge : public TGauge {
  COMPONENT_CLASS(TRoundGauge)

 public:
  using TGauge::TGauge;
};
