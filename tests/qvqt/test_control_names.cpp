// Dotted paths of Qt objects.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QWidget>

#include "qvqt/control_names.h"

TEST(ControlNames, NamedAndUnnamedWidgetsFromTheWindowDown) {
  QWidget window;
  window.setObjectName("MainForm");
  auto* frame = new QFrame(&window);  // unnamed: its class name less the first letter
  auto* ok = new QPushButton(frame);
  ok->setObjectName("OKBtn");
  auto* unnamed = new QPushButton(frame);

  EXPECT_EQ(ElementName(*frame), "Frame");
  EXPECT_EQ(ControlPath(*ok), "MainForm.Frame.OKBtn");
  EXPECT_EQ(ControlPath(*unnamed), "MainForm.Frame.PushButton");
  EXPECT_EQ(ControlPath(window), "MainForm");
}

TEST(ControlNames, ADialogIsNamedFromItselfNotFromItsParentWindow) {
  QWidget window;
  window.setObjectName("MainForm");
  auto* dialog = new QDialog(&window);
  dialog->setObjectName("OptionsDlg");
  auto* apply = new QPushButton(dialog);
  apply->setObjectName("ApplyBtn");

  EXPECT_EQ(ControlPath(*apply), "OptionsDlg.ApplyBtn");
}

TEST(ControlNames, AnObjectThatIsNoWidgetFollowsItsParents) {
  QWidget window;
  window.setObjectName("MainForm");
  auto* action = new QAction(&window);
  action->setObjectName("SaveAction");

  EXPECT_EQ(ControlPath(*action), "MainForm.SaveAction");
  EXPECT_EQ(ElementName(QAction()), "Action");
}
