#pragma once
// The framework's forms unit in one include: forms, the application object and the screen.

#include "platform/vcl/application.h"
#include "platform/vcl/form.h"
#include "platform/vcl/screen.h"
