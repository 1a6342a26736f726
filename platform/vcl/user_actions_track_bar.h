#pragma once
// What a user does with track bars: dragging the thumb.

class TTrackBar;

// Drags the thumb from where it is to `position` in a few moves of the mouse and releases it; it
// lands on the position, or on the nearest one the thumb can reach when a pixel of travel spans
// several. EInvalidOperation for a position outside the bar's range.
void SimulateSlide(TTrackBar& bar, int position);
