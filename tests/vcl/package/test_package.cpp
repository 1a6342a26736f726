// A package for the package-loading tests: its static constructor and destructor record that
// they ran in the environment variable VCL_TEST_PACKAGE_STATE.

#include <cstdlib>

namespace {

struct TPackageUnit {
  TPackageUnit() { setenv("VCL_TEST_PACKAGE_STATE", "initialized", 1); }
  ~TPackageUnit() { setenv("VCL_TEST_PACKAGE_STATE", "finalized", 1); }
};

TPackageUnit unit;

}  // namespace
