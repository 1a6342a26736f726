// Modules of the process: the executable, shared objects found by address, file name and path.

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <string>
#include <thread>

#include "tests/win32/windowing_fixture.h"

namespace {

std::string FileName(HMODULE module) {
  char buffer[4096];
  const DWORD length = GetModuleFileNameA(module, buffer, sizeof buffer);
  return std::string(buffer, length);
}

}  // namespace

TEST(Modules, TheExecutableIsModuleZeroAndTheModuleOfItsCode) {
  const HMODULE executable = GetModuleHandleA(nullptr);
  EXPECT_NE(executable, 0u);
  EXPECT_EQ(ModuleOfAddress(reinterpret_cast<const void*>(&FileName)), executable);
  const std::string path = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(FileName(0), path);
  EXPECT_EQ(FileName(executable), path);
  EXPECT_EQ(GetModuleHandleA(path.c_str()), executable);
}

TEST(Modules, SharedObjectsAreFoundByAddressPathAndFileName) {
  const HMODULE libc = ModuleOfAddress(reinterpret_cast<const void*>(&dl_iterate_phdr));
  ASSERT_NE(libc, 0u);
  ASSERT_NE(libc, GetModuleHandleA(nullptr));
  const std::string path = FileName(libc);
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(GetModuleHandleA(path.c_str()), libc);
  const std::string name = std::filesystem::path(path).filename();
  EXPECT_EQ(GetModuleHandleA(name.c_str()), libc);
  EXPECT_EQ(GetModuleHandleA("libnot-loaded.so"), 0u);
  EXPECT_EQ(GetModuleHandleA("/nowhere/libnot-loaded.so"), 0u);

  char small[5];
  EXPECT_EQ(GetModuleFileNameA(libc, small, sizeof small), 4u);  // truncated and terminated
  EXPECT_EQ(std::string(small), path.substr(0, 4));
  EXPECT_EQ(GetModuleFileNameA(12345, small, sizeof small), 0u);
}

TEST(Modules, ThreadIdentifiersAreStablePerThreadAndDistinctBetweenThreads) {
  const DWORD mine = GetCurrentThreadId();
  EXPECT_EQ(GetCurrentThreadId(), mine);
  DWORD other = 0;
  std::thread([&] { other = GetCurrentThreadId(); }).join();
  EXPECT_NE(other, 0u);
  EXPECT_NE(other, mine);
}
