#pragma once
// The framework's additional controls and the outline in one include, and the registration that
// lets form files name them.

#include "platform/vcl/bevel.h"
#include "platform/vcl/check_list_box.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/outline.h"
#include "platform/vcl/speed_button.h"
#include "platform/vcl/splitter.h"

// Registers every additional control class with the class registry, so that form files can
// create them. Hosts call it once before reading form files; calling it again does nothing.
void RegisterAdditionalControls();
