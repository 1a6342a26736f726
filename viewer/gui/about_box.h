#pragma once
// The About box and the built-in help page.

#include <memory>

class QDialog;
class QWidget;

inline constexpr const char* kVersionText = "Oxlane 1.04";

// The About box, of fixed size and centred on the screen, ready to be shown.
std::unique_ptr<QDialog> CreateAbout(QWidget* parent);
void ShowAbout(QWidget* parent);
void ShowHelp(QWidget* parent);
