// TBevel: its class and published shape and style.

#include "platform/vcl/bevel.h"

namespace {

constexpr std::string_view kShapeNames[] = {
    "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"};
constexpr std::string_view kStyleNames[] = {"bsLowered", "bsRaised"};

}  // namespace

const TComponentClass& TBevel::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TBevel::Shape, &TBevel::SetShape>("Shape",
                                                   {.ValueNames = kShapeNames, .Default = bsBox}),
      Published<&TBevel::Style, &TBevel::SetStyle>(
          "Style", {.ValueNames = kStyleNames, .Default = bsLowered}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TBevel",
      .Parent = &TControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TBevel>,
  });
  return cls;
}
