// Element names and dotted paths of Qt objects.

#include "qvqt/control_names.h"

#include <QMetaObject>
#include <QObject>
#include <QWidget>

std::string ElementName(const QObject& object) {
  const QString name = object.objectName();
  if (!name.isEmpty()) return name.toStdString();
  const std::string className = object.metaObject()->className();
  return className.empty() ? className : className.substr(1);
}

namespace {

// A window ends a widget's path: a dialog's parent window is not part of the dialog's name.
const QObject* PathParent(const QObject& object) {
  if (object.isWidgetType()) {
    const auto& widget = static_cast<const QWidget&>(object);
    return widget.isWindow() ? nullptr : widget.parentWidget();
  }
  return object.parent();
}

}  // namespace

std::string ControlPath(const QObject& object) {
  std::string path = ElementName(object);
  for (const QObject* up = PathParent(object); up; up = PathParent(*up)) {
    path = ElementName(*up) + "." + path;
  }
  return path;
}
