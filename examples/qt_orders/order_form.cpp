// The sample order form's widgets, menus and the one thing it does: saving shows a message in the
// status bar.

#include "order_form.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget, typename... Arguments>
Widget* Named(const char* name, Arguments&&... arguments) {
  auto* widget = new Widget(std::forward<Arguments>(arguments)...);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

TOrderForm::TOrderForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Orders"));
  // The central widget keeps Qt's habit of having no name: it shows in control names by its
  // class.
  auto* client = new QWidget;
  auto* layout = new QHBoxLayout(client);
  layout->addWidget(CreateOrderPanel());
  layout->addWidget(CreateChoices());
  layout->addWidget(CreateDetails(), 1);
  setCentralWidget(client);
  CreateMenus();
  resize(900, 420);
}

QWidget* TOrderForm::CreateOrderPanel() {
  auto* panel = Named<QGroupBox>("Panel1");
  auto* form = new QFormLayout(panel);
  Customer = Named<QLineEdit>("Customer");
  Pin = Named<QLineEdit>("Pin");
  Pin->setEchoMode(QLineEdit::Password);
  Express = Named<QCheckBox>("Express", QStringLiteral("&Express"));
  Shipping = Named<QComboBox>("Shipping");
  Shipping->addItems({QStringLiteral("Post"), QStringLiteral("Courier"), QStringLiteral("Pickup")});
  OKBtn = Named<QPushButton>("OKBtn", QStringLiteral("&OK"));
  form->addRow(QStringLiteral("&Customer"), Customer);
  form->addRow(QStringLiteral("&PIN"), Pin);
  form->addRow(Express);
  form->addRow(QStringLiteral("&Shipping"), Shipping);
  form->addRow(OKBtn);
  return panel;
}

QWidget* TOrderForm::CreateChoices() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  Products = Named<QListWidget>("Products");
  Products->addItems({QStringLiteral("Apples"), QStringLiteral("Pears"), QStringLiteral("Plums")});
  layout->addWidget(Products);

  auto* priority = Named<QGroupBox>("Priority", QStringLiteral("Priority"));
  auto* priorities = new QVBoxLayout(priority);
  auto* group = new QButtonGroup(priority);
  for (const char* name : {"Low", "Normal", "High"}) {
    auto* button = Named<QRadioButton>(name, QString::fromLatin1(name));
    group->addButton(button);
    priorities->addWidget(button);
    if (QLatin1String(name) == QLatin1String("High")) High = button;
  }
  layout->addWidget(priority);

  auto* delivery = Named<QGroupBox>("Delivery", QStringLiteral("Delivery"));
  auto* times = new QHBoxLayout(delivery);
  times->addWidget(Named<QRadioButton>("Morning", QStringLiteral("&Morning")));
  Afternoon = Named<QRadioButton>("Afternoon", QStringLiteral("&Afternoon"));
  times->addWidget(Afternoon);
  layout->addWidget(delivery);

  Notes = Named<QPlainTextEdit>("Notes");
  layout->addWidget(Notes);
  Quantity = Named<QScrollBar>("Quantity", Qt::Horizontal);
  Quantity->setRange(0, 100);
  layout->addWidget(Quantity);
  return column;
}

QWidget* TOrderForm::CreateDetails() {
  Details = Named<QTabWidget>("Details");
  auto* schedule = Named<QWidget>("SchedulePage");
  auto* scheduleLayout = new QFormLayout(schedule);
  Urgency = Named<QSlider>("Urgency", Qt::Horizontal);
  Urgency->setRange(0, 10);
  Copies = Named<QSpinBox>("Copies");
  Copies->setRange(1, 99);
  scheduleLayout->addRow(QStringLiteral("&Urgency"), Urgency);
  scheduleLayout->addRow(QStringLiteral("C&opies"), Copies);
  Details->addTab(schedule, QStringLiteral("Schedule"));

  auto* catalogue = Named<QWidget>("CataloguePage");
  auto* catalogueLayout = new QVBoxLayout(catalogue);
  Categories = Named<QTreeWidget>("Categories");
  Categories->setHeaderHidden(true);
  auto* tools = new QTreeWidgetItem(Categories, {QStringLiteral("Tools")});
  new QTreeWidgetItem(tools, {QStringLiteral("Screws")});
  new QTreeWidgetItem(Categories, {QStringLiteral("Garden")});
  catalogueLayout->addWidget(Categories);
  Details->addTab(catalogue, QStringLiteral("Catalogue"));
  return Details;
}

void TOrderForm::CreateMenus() {
  SaveAction = Named<QAction>("SaveAction", QStringLiteral("&Save"), this);
  SaveAction->setShortcut(QKeySequence::Save);
  connect(SaveAction, &QAction::triggered, this, &TOrderForm::SaveOrder);
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("FileMenu"));
  file->addAction(SaveAction);
  QAction* close = file->addAction(QStringLiteral("&Close"), this, &QWidget::close);
  close->setObjectName(QStringLiteral("CloseItem"));
}

void TOrderForm::SaveOrder() { statusBar()->showMessage(QStringLiteral("Order saved")); }
