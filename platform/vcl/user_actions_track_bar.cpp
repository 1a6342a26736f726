// Dragging a track bar's thumb through the simulated mouse.

#include "platform/vcl/user_actions_track_bar.h"

#include <algorithm>

#include "platform/vcl/errors.h"
#include "platform/vcl/track_bar.h"
#include "platform/vcl/user_actions.h"

void SimulateSlide(TTrackBar& bar, int position) {
  if (position < bar.Min() || position > std::max(bar.Min(), bar.Max()))
    throw EInvalidOperation(Format("%s slides from %d to %d, not to %d", bar.Name(), bar.Min(),
                                   std::max(bar.Min(), bar.Max()), position));
  SimulateUserDrag(bar, bar.ThumbPoint(bar.Position()), bar.ThumbPoint(position));
}
