// The framework's own component classes that form files may name.

#include "platform/vcl/framework_classes.h"

#include "platform/vcl/form.h"

std::vector<const TComponentClass*> FrameworkClasses() {
  return {&TWinControl::StaticClass(), &TForm::StaticClass()};
}
