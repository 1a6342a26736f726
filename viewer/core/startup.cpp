// The viewer's start-up order.

#include "viewer/core/startup.h"

#include "log/packages.h"

void LoadPackagesAndSettings(TOXOptions& settings) {
  LoadPackages();
  settings.Load();
}
