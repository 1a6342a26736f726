// Message boxes through a replaceable handler.

#include "platform/vcl/dialogs.h"

#include <cstdio>
#include <utility>

namespace {

TMessageBoxHandler& Handler() {
  static TMessageBoxHandler* handler = new TMessageBoxHandler;
  return *handler;
}

}  // namespace

void ShowMessageBox(const std::string& text, const std::string& caption) {
  if (Handler()) {
    Handler()(text, caption);
    return;
  }
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}
