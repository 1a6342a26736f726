#pragma once
// What a user does with up-down controls: clicking their arrows.

#include "platform/vcl/up_down.h"

// Clicks the arrow `count` times, each click pressed and released before the next.
// EInvalidOperation for a count below 1.
void SimulateSpin(TUpDown& upDown, TUDBtnType button, int count);
