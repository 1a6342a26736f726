#pragma once
// What a user does with page scrollers: clicking an arrow.

class TPageScroller;

// Clicks the arrow that scrolls in the direction PGF_SCROLLUP, PGF_SCROLLDOWN, PGF_SCROLLLEFT or
// PGF_SCROLLRIGHT. EInvalidOperation for a direction across the scroller, and for an arrow that
// is not shown because the child cannot move further that way.
void SimulatePageScroll(TPageScroller& scroller, int direction);
