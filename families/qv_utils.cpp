// Control paths and window descriptions.

#include "families/qv_utils.h"

#include <optional>
#include <vector>

#include "families/family_strings.h"
#include "platform/strtable.h"
#include "platform/sysutils.h"

using namespace family_strings;

bool HonorPasswordChar = true;

void InitializeQVUtils() {
  RegisterFamilyStrings();
  HonorPasswordChar = true;
}

void FinalizeQVUtils() { UnregisterFamilyStrings(); }

namespace {

// The window's class name, or nothing when the handle names no window.
std::optional<std::string> WindowClassName(HWND handle) {
  char buffer[256];
  if (GetClassNameA(handle, buffer, sizeof buffer) == 0) return std::nullopt;
  return std::string(buffer);
}

std::string WindowText(HWND handle) {
  const int length = GetWindowTextLengthA(handle);
  if (length < 1) return {};
  std::vector<char> buffer(length + 1);
  const int copied = GetWindowTextA(handle, buffer.data(), length + 1);
  return std::string(buffer.data(), copied);
}

// The path of the child under `point` below `container`, "" when no child is there.
std::string HitPath(const TWinControl& container, POINT point) {
  std::string path;
  for (int i = 0; i < container.ControlCount(); ++i) {
    const TControl& child = *container.Controls(i);
    if (point.x < child.Left() || point.x >= child.Left() + child.Width() ||
        point.y < child.Top() || point.y >= child.Top() + child.Height()) {
      continue;
    }
    path = ElementName(child);
    if (auto* windowed = dynamic_cast<const TWinControl*>(&child)) {
      path += HitPath(*windowed, {point.x - child.Left(), point.y - child.Top()});
    }
  }
  return path.empty() ? path : "." + path;
}

}  // namespace

std::string ElementName(const TControl& control) {
  if (!control.Name().empty()) return control.Name();
  return control.ClassName().substr(1);
}

std::string GetControlName(const TControl& control) {
  std::string name = ElementName(control);
  for (const TControl* parent = control.Parent(); parent; parent = parent->Parent()) {
    name = ElementName(*parent) + "." + name;
  }
  return name;
}

std::string GetWindowName(HWND handle) {
  if (const TControl* control = FindControl(handle)) return GetControlName(*control);
  const std::optional<std::string> className = WindowClassName(handle);
  if (!className) return Format("%s [%.4x]", LoadStr(SInvalidHandle), handle);
  const std::string text = WindowText(handle);
  if (text.empty()) return Format("{%s} [%.4x]", *className, handle);
  std::string comboName;
  if (IsComboEdit(handle, comboName)) {
    return Format("{%s} \"%s\" [child of %s]", *className, text, comboName);
  }
  return Format("{%s} \"%s\" [%.4x]", *className, text, handle);
}

bool IsComboEdit(HWND handle, std::string& parentName) {
  const std::optional<std::string> className = WindowClassName(handle);
  if (!className || !SameText(*className, "EDIT")) return false;
  const HWND parent = GetParent(handle);
  if (parent == 0) return false;
  const std::optional<std::string> parentClass = WindowClassName(parent);
  if (!parentClass ||
      !(SameText(*parentClass, "COMBOBOX") || SameText(*parentClass, "TCOMBOBOX"))) {
    return false;
  }
  parentName = GetWindowName(parent);
  return true;
}

std::string GetWindowHit(const TWinControl& container, POINT point) {
  return GetControlName(container) + HitPath(container, point);
}
