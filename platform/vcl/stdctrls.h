#pragma once
// The framework's standard controls, menus and actions in one include, and the registration
// that lets form files name them.

#include "platform/vcl/actions.h"
#include "platform/vcl/combo_box.h"
#include "platform/vcl/containers.h"
#include "platform/vcl/edit.h"
#include "platform/vcl/label.h"
#include "platform/vcl/list_box.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/radio_group.h"
#include "platform/vcl/scroll_bar.h"
#include "platform/vcl/scroll_box.h"
#include "platform/vcl/std_button.h"

// Registers every standard control, menu and action class with the class registry, so that form
// files can create them. Hosts call it once before reading form files; calling it again does
// nothing.
void RegisterStandardControls();
