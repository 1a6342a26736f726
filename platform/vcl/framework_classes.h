#pragma once
// The framework's own component classes that form files may name, registered before the
// registry's first use.

#include <vector>

class TComponentClass;

std::vector<const TComponentClass*> FrameworkClasses();
