#pragma once
// A scratch Windows directory for one test: $WINDIR points at it while the test runs.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/inifiles.h"
#include "tests/support/scratch_dir.h"

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("WINDIR", Windows.Path().c_str(), 1); }
  void TearDown() override { ::unsetenv("WINDIR"); }

  std::string IniPath() const { return Windows.File("DELPHI.INI"); }
  std::string Value(const std::string& key) const {
    return TIniFile(IniPath()).ReadString("transfer", key, "<missing>");
  }

  ScratchDir Windows;
};
