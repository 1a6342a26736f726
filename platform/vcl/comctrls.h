#pragma once
// The framework's wrappers of the common controls in one include, and the registration that lets
// form files name them.

#include "platform/vcl/calendars.h"
#include "platform/vcl/header_control.h"
#include "platform/vcl/hot_key.h"
#include "platform/vcl/list_view.h"
#include "platform/vcl/page_scroller.h"
#include "platform/vcl/rich_edit.h"
#include "platform/vcl/tab_controls.h"
#include "platform/vcl/tool_bar.h"
#include "platform/vcl/track_bar.h"
#include "platform/vcl/tree_view.h"
#include "platform/vcl/up_down.h"

// Registers every common control class with the class registry, so that form files can create
// them. Hosts call it once before reading form files; calling it again does nothing.
void RegisterCommonControls();
