#pragma once
// Recording sliders, dials and scroll bars: the position at the end of each gesture (a drag
// released, a key or a click on the groove), as a track bar's or a scroll bar's record.

class QAbstractSlider;
class QObject;

// Connects to the slider's gestures; `context` ends the connections when deleted.
void WatchSlider(QAbstractSlider& slider, QObject& context);
