// The scripted order session: clicks and keys through Qt Test, so that every action goes through
// the widgets' own event handling, as a user's would.

#include "order_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "order_form.h"
#include "qvqt/qt_recording.h"

namespace {

void TypeInto(QWidget* edit, const char* text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

// A check box or radio button reacts to a click on its indicator or its text, which a button
// stretched by its layout does not have in its middle: it is clicked by its indicator.
void ClickButton(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void ClickItem(QAbstractItemView* view, const QModelIndex& index) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

}  // namespace

void PlayOrderSession(TOrderForm& form) {
  // The program marks what it does, as a program that records itself would.
  LogQtSectionEvent("New order", true);
  TypeInto(form.Customer, "Smith and Sons");
  TypeInto(form.Pin, "1234");
  ClickButton(form.Express);
  // A combo box is chosen from with the keyboard, which works the same on every platform.
  form.Shipping->setFocus();
  QTest::keyClick(form.Shipping, Qt::Key_Down);
  ClickItem(form.Products, form.Products->model()->index(1, 0));
  ClickButton(form.High);
  TypeInto(form.Notes, "Leave at the door");
  ClickButton(form.Afternoon);
  form.Quantity->setFocus();
  for (int i = 0; i < 2; ++i) QTest::keyClick(form.Quantity, Qt::Key_PageDown);
  QTest::mouseClick(form.OKBtn, Qt::LeftButton);
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  LogQtUserMessage("Order saved");
  LogQtSectionEvent("New order", false);
  LogQtSeparator();

  LogQtSectionEvent("Details", true);
  // A click at the slider's left end, then the arrow keys up to 3.
  QTest::mouseClick(form.Urgency, Qt::LeftButton, {}, QPoint(2, form.Urgency->height() / 2));
  for (int i = 0; i < 3; ++i) QTest::keyClick(form.Urgency, Qt::Key_Right);
  QTest::mouseClick(form.Copies, Qt::LeftButton);
  QTest::keyClick(form.Copies, Qt::Key_Up);
  QTabBar* pages = form.Details->tabBar();
  QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(1).center());
  ClickItem(form.Categories, form.Categories->model()->index(1, 0));
  LogQtSectionEvent("Details", false);
}
