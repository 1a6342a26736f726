#pragma once
// Names of Qt objects in records: the dotted path of object names from the top-level window
// down to the object, an unnamed object taking its class name without the first letter.

#include <string>

class QObject;

// One object's part of a path: its objectName, or its class name without the first character
// ("QPushButton" gives "PushButton").
std::string ElementName(const QObject& object);
// The dotted path of `object`: a widget's path stops at its window, any other object's at the
// first object without a parent.
std::string ControlPath(const QObject& object);
