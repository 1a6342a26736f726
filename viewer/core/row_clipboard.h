#pragma once
// The texts Copy Event and Copy Data put on the clipboard for a view row; line breaks inside the
// texts are kept.

#include <string>

#include "viewer/core/event_view.h"

// Time stamp, tab, event type, tab, data.
std::string CopyEventText(const TEventView& view, int row);
std::string CopyDataText(const TEventView& view, int row);
