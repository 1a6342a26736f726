// The texts of the values that controls show: check states, edit texts, selected items and
// scroll positions.

#include "families/qv_utils.h"

#include <iterator>

#include "families/family_strings.h"
#include "platform/strtable.h"
#include "platform/vcl/stdctrls.h"

using namespace family_strings;

namespace {

// How a text a control shows is recorded: in double quotes.
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

void GetButtonInfo(const TButtonControl& button, int32_t state, std::string& windowName,
                   std::string& stateText) {
  windowName = GetControlName(button);
  if (dynamic_cast<const TButton*>(&button)) {
    stateText.clear();
    return;
  }
  static constexpr int kStateTexts[] = {SUnchecked, SChecked, SIndeterminate};
  if (state >= 0 && state < static_cast<int32_t>(std::size(kStateTexts))) {
    stateText = LoadStr(kStateTexts[state]);
  }
}

void GetEditInfo(const TCustomEdit& edit, std::string& windowName, std::string& text) {
  windowName = GetControlName(edit);
  const std::string shown = edit.Text();
  // A multi-line edit (a memo, a rich edit) is never masked; its text is cut short, and marked as
  // cut even when it is not.
  if (dynamic_cast<const TCustomMemo*>(&edit)) {
    text = Quoted(shown.substr(0, 50) + "...");
  } else if (HonorPasswordChar && edit.PasswordChar() != '\0') {
    text = std::string(shown.size(), edit.PasswordChar());
  } else {
    text = Quoted(shown);
  }
}

void GetListBoxInfo(const TListBox& listBox, std::string& windowName, std::string& itemText,
                    int32_t& itemIndex) {
  windowName = GetControlName(listBox);
  itemIndex = listBox.ItemIndex();
  itemText = itemIndex < 0 ? LoadStr(SNoItem) : Quoted(listBox.Items()->Get(itemIndex));
}

void GetRadioGroupInfo(const TRadioGroup& group, HWND buttonHandle, std::string& windowName,
                       std::string& itemText, int32_t& itemIndex) {
  windowName = GetControlName(group);
  itemIndex = -1;
  for (int i = 0; i < group.ControlCount(); ++i) {
    // A button without a window is not the one that sent a message; asking for its handle
    // would create one.
    auto* button = dynamic_cast<TRadioButton*>(group.Controls(i));
    if (button && button->HandleAllocated() && button->Handle() == buttonHandle) {
      itemIndex = i;
      break;
    }
  }
  const TStrings& items = *group.Items();
  itemText = itemIndex >= 0 && itemIndex < items.Count() ? items.Get(itemIndex) : "";
}

void GetComboBoxInfo(const TComboBox& comboBox, std::string& windowName, std::string& itemText,
                     int32_t& itemIndex) {
  windowName = GetControlName(comboBox);
  itemIndex = comboBox.ItemIndex();
  if (itemIndex >= 0) {
    itemText = Quoted(comboBox.Items()->Get(itemIndex));
  } else if (comboBox.Style() == csDropDownList) {
    itemText = LoadStr(SNoItem);
  } else {
    itemText = Quoted(comboBox.Text());
  }
}

void GetScrollingWinControlInfo(const TScrollBox& container, UINT message, std::string& windowName,
                                std::string& orientation, int32_t& position) {
  windowName = GetControlName(container);
  const bool horizontal = message == WM_HSCROLL;
  orientation = LoadStr(horizontal ? SHorizontal : SVertical);
  position =
      horizontal ? container.HorzScrollBar()->Position() : container.VertScrollBar()->Position();
}

void GetScrollBarInfo(const TScrollBar& scrollBar, std::string& windowName,
                      std::string& orientation, int32_t& position) {
  windowName = GetControlName(scrollBar);
  orientation = LoadStr(scrollBar.Kind() == sbVertical ? SVertical : SHorizontal);
  position = scrollBar.Position();
}
