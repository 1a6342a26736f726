#pragma once
// A clean desktop and application for each test, and a message box that records what it shows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/dialogs.h"
#include "platform/vcl/forms.h"

class VclTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageBoxHandler(
        [this](const std::string& text, const std::string&) { shown.push_back(text); });
  }
  void TearDown() override {
    DoneApplication();
    SetMessageBoxHandler(nullptr);
    ResetWindowingForTests();
  }

  std::vector<std::string> shown;  // texts of the message boxes shown
};
