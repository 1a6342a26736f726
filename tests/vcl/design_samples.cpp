// Class references of the designer's sample components.

#include "tests/vcl/design_samples.h"

namespace {
constexpr std::string_view kStyleNames[] = {"gsBar", "gsDial", "gsText"};
constexpr std::string_view kOptionNames[] = {"goTicks", "goLabels", "goBorder"};
}  // namespace

const TComponentClass& TGauge::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TGauge::Position, &TGauge::SetPosition>("Position"),
      Published<&TGauge::Smooth, &TGauge::SetSmooth>("Smooth"),
      Published<&TGauge::Style, &TGauge::SetStyle>("Style", {.ValueNames = kStyleNames}),
      Published<&TGauge::Unit, &TGauge::SetUnit>("Unit"),
      Published<&TGauge::Title, &TGauge::SetTitle>("Title"),
      Published<&TGauge::Options, &TGauge::SetOptions>("Options", {.ValueNames = kOptionNames}),
      Published<&TGauge::Partner, &TGauge::SetPartner>("Partner"),
      Published<&TGauge::Marks>("Marks"),
      Published<&TGauge::Notes, &TGauge::SetNotes>("Notes"),
  };
  static const TComponentClass& cls = *new TComponentClass({.Name = "TGauge",
                                                            .Parent = &TComponent::StaticClass(),
                                                            .OwnProperties = kProperties,
                                                            .Create = &ConstructComponent<TGauge>});
  return cls;
}

const TComponentClass& TRoundGauge::StaticClass() {
  static const TComponentClass& cls =
      *new TComponentClass({.Name = "TRoundGauge",
                            .Parent = &TGauge::StaticClass(),
                            .Create = &ConstructComponent<TRoundGauge>});
  return cls;
}
