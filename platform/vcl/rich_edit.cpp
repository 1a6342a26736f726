// The rich edit's class: a memo that reports changes without updates.

#include "platform/vcl/rich_edit.h"

const TComponentClass& TRichEdit::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCustomMemo::Lines>("Lines"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TRichEdit",
      .Parent = &TCustomMemo::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TRichEdit>,
  });
  return cls;
}
