#pragma once
// The About box and the built-in help page.

class QWidget;

inline constexpr const char* kVersionText = "Oxlane 1.04";

void ShowAbout(QWidget* parent);
void ShowHelp(QWidget* parent);
