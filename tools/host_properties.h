#pragma once
// Setting a published property from a script value, as program code would: integers, Booleans
// and enumerations by identifier, characters, strings, string lists and lines (separated by
// "\n"), sets as [a,b] and references to components. Collections cannot be set.

#include <functional>
#include <string>

class TComponent;

using TComponentLookup = std::function<TComponent&(const std::string& path)>;

// Checks and converts the value now, raising an exception that says what is wrong when the class
// has no such published property or the value does not suit it; the answer calls the property's
// setter, whose own failures reach its caller.
std::function<void()> PrepareAssignment(TComponent& component, const std::string& propertyName,
                                        const std::string& value, const TComponentLookup& lookup);
