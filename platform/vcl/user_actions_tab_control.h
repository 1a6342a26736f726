#pragma once
// What a user does with tab and page controls: clicking a tab.

class TCustomTabControl;

// Clicks the tab `index` of a tab control or page control; EInvalidOperation for a tab it does
// not have, or one squeezed to nothing in a row too short.
void SimulateTabChoice(TCustomTabControl& control, int index);
