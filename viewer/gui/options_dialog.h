#pragma once
// The Options dialog: which record classes are shown and in which colour and style, the
// date-time format and the printer font. Accepting keeps the edits in the settings (the caller
// writes the file); rejecting reads the settings file again.

#include <QDialog>

#include "viewer/core/options_editor.h"
#include "viewer/gui/swatch_combo.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class TUserDialogs;

class TOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  TOptionsDialog(TOXOptions& settings, TUserDialogs& dialogs, QWidget* parent = nullptr);

  QListWidget* EventList() const { return FEvents; }
  TSwatchCombo* ColorCombo() const { return FColor; }
  QCheckBox* BoldBox() const { return FBold; }
  QLineEdit* DateTimeFormatEdit() const { return FDateTimeFormat; }
  void ResetDisplay();

  void done(int result) override;

 private:
  void BuildControls();
  void ItemSelected(int row);
  void ItemCheckChanged(QListWidgetItem* item);
  void ShowChecks();
  void ShowEditors();
  void TakeEditors();
  void ShowDateTimeFormat();
  void ShowPrinterFont();
  void ChoosePrinterFont();

  TOXOptions& FSettings;
  TUserDialogs& FDialogs;
  TOptionsEditor FEditor;
  QListWidget* FEvents = nullptr;
  QLabel* FColorLabel = nullptr;
  TSwatchCombo* FColor = nullptr;
  QCheckBox* FBold = nullptr;
  QCheckBox* FItalic = nullptr;
  QLineEdit* FDateTimeFormat = nullptr;
  QLabel* FPrinterSample = nullptr;
  TFontSettings FPrinterFont;
  bool FShowing = false;
};
