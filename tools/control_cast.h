#pragma once
// The control a command names, taken as the class of control the command works on.

#include <string>

#include "platform/sysutils.h"
#include "platform/vcl/control.h"

// `control` as a T; raises Exception naming the path and what the command needs ("is no tree
// view") when it is another kind of control.
template <typename T>
T& ControlAs(TControl& control, const std::string& path, const char* what) {
  auto* typed = dynamic_cast<T*>(&control);
  if (!typed) throw Exception(path + " is no " + what);
  return *typed;
}
