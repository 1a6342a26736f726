#pragma once
// The sample order form: the demo form's controls as Qt widgets, each named by its objectName as
// the demo form names its controls, so that a recorded session reads the same in both.

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

class TOrderForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TOrderForm(QWidget* parent = nullptr);

  // The controls a session works with.
  QLineEdit* Customer;
  QLineEdit* Pin;
  QCheckBox* Express;
  QComboBox* Shipping;
  QPushButton* OKBtn;
  QListWidget* Products;
  QRadioButton* High;
  QPlainTextEdit* Notes;
  QRadioButton* Afternoon;
  QScrollBar* Quantity;
  QTabWidget* Details;
  QSlider* Urgency;
  QSpinBox* Copies;
  QTreeWidget* Categories;
  QAction* SaveAction;

 private:
  QWidget* CreateOrderPanel();
  QWidget* CreateChoices();
  QWidget* CreateDetails();
  void CreateMenus();
  void SaveOrder();
};
