// Slider and scroll bar records.

#include "qvqt/record_sliders.h"

#include <QAbstractSlider>
#include <QScrollBar>

#include "families/family_strings.h"
#include "families/std_events.h"
#include "families/win32_events.h"
#include "platform/strtable.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

namespace {

void RecordPosition(const QAbstractSlider& slider, int position) {
  if (qobject_cast<const QScrollBar*>(&slider)) {
    const int orientation = slider.orientation() == Qt::Vertical ? family_strings::SVertical
                                                                 : family_strings::SHorizontal;
    WriteQtRecord(
        std::make_unique<TScrollBarEvent>(ControlPath(slider), LoadStr(orientation), position));
  } else {
    WriteQtRecord(std::make_unique<TTrackBarChangeEvent>(ControlPath(slider), position));
  }
}

}  // namespace

void WatchSlider(QAbstractSlider& slider, QObject& context) {
  QAbstractSlider* watched = &slider;
  // A step comes with its new position before the value follows; a drag's moves (and the
  // wheel's) are not gestures of their own, the drag ends at the release.
  QObject::connect(watched, &QAbstractSlider::actionTriggered, &context, [watched](int action) {
    if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction) {
      RecordPosition(*watched, watched->sliderPosition());
    }
  });
  QObject::connect(watched, &QAbstractSlider::sliderReleased, &context,
                   [watched] { RecordPosition(*watched, watched->sliderPosition()); });
}
