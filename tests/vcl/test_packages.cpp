// Packages: loading runs the object's initialisation, unloading its finalisation; failures name
// the file and the loader's reason.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sysutils.h"
#include "platform/vcl/packages.h"

namespace {

std::string PackageState() {
  const char* state = std::getenv("VCL_TEST_PACKAGE_STATE");
  return state ? state : "";
}

TEST(PackageTest, LoadRunsInitialisationAndUnloadFinalisation) {
  unsetenv("VCL_TEST_PACKAGE_STATE");
  HMODULE module = LoadPackage(VCL_TEST_PACKAGE);
  EXPECT_EQ(PackageState(), "initialized");
  EXPECT_EQ(module, GetModuleHandleA(VCL_TEST_PACKAGE));

  // A second load of the same object needs its own unload before finalisation runs.
  EXPECT_EQ(LoadPackage(VCL_TEST_PACKAGE), module);
  UnloadPackage(module);
  EXPECT_EQ(PackageState(), "initialized");
  UnloadPackage(module);
  EXPECT_EQ(PackageState(), "finalized");
  EXPECT_THROW(UnloadPackage(module), EPackageError);
}

TEST(PackageTest, MissingFileRaisesPackageErrorNamingIt) {
  try {
    LoadPackage("/nonexistent/libnothing.so");
    FAIL() << "no error";
  } catch (const EPackageError& e) {
    EXPECT_NE(e.Message().find("Can't load package /nonexistent/libnothing.so."),
              std::string::npos);
    EXPECT_NE(e.Message().find("No such file"), std::string::npos) << e.Message();
  }
}

}  // namespace
