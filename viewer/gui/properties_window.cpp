// The inspector's property list over TEventInspectorState.

#include "viewer/gui/properties_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace {

constexpr QSize kDesignedSize(307, 433);
constexpr int kPropertyWidth = 100;
constexpr int kValueColumn = 1;

}  // namespace

TEventInspectorForm::TEventInspectorForm(TEventView& view, QAction* copyValue, QWidget* parent)
    : TDockToolWindow(QStringLiteral("Event Inspector"), kDesignedSize, parent),
      FState(view),
      FCopyValue(copyValue) {
  setObjectName(QStringLiteral("EventInspectorForm"));
  BuildList();
  FState.OnLinesChanged = [this] { ShowLines(); };
  ShowCopyEnabled();
}

TEventInspectorForm::~TEventInspectorForm() { Detach(); }

void TEventInspectorForm::closeEvent(QCloseEvent* event) {
  TDockToolWindow::closeEvent(event);
  if (event->isAccepted()) Detach();
}

void TEventInspectorForm::Detach() {
  FState.OnLinesChanged = nullptr;
  disconnect(FPropList->selectionModel(), nullptr, this, nullptr);
}

void TEventInspectorForm::BuildList() {
  FPropList = new QTableWidget(0, 2, this);
  FPropList->setObjectName(QStringLiteral("PropList"));
  FPropList->setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Data")});
  FPropList->verticalHeader()->hide();
  FPropList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  FPropList->verticalHeader()->setDefaultSectionSize(FPropList->fontMetrics().height() + 4);
  FPropList->setShowGrid(true);
  FPropList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FPropList->setSelectionBehavior(QAbstractItemView::SelectRows);
  FPropList->setSelectionMode(QAbstractItemView::SingleSelection);
  FPropList->setWordWrap(false);
  // The value column fills whatever width the property column leaves, also on resizing.
  FPropList->horizontalHeader()->setStretchLastSection(true);
  FPropList->horizontalHeader()->setHighlightSections(false);
  FPropList->setColumnWidth(0, kPropertyWidth);
  FPropList->setContextMenuPolicy(Qt::ActionsContextMenu);
  FPropList->addAction(FCopyValue);
  connect(FPropList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TEventInspectorForm::ShowCopyEnabled);
  setWidget(FPropList);
}

void TEventInspectorForm::ShowLines() {
  const std::vector<TPropertyLine>& lines = FState.Lines();
  FPropList->setUpdatesEnabled(false);
  FPropList->clearContents();
  FPropList->setRowCount(static_cast<int>(lines.size()));
  for (int row = 0; row < FPropList->rowCount(); ++row) {
    const TPropertyLine& line = lines[static_cast<size_t>(row)];
    FPropList->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(line.Property)));
    FPropList->setItem(row, kValueColumn, new QTableWidgetItem(QString::fromStdString(line.Value)));
  }
  FPropList->setUpdatesEnabled(true);
  ShowCopyEnabled();
}

void TEventInspectorForm::ShowCopyEnabled() {
  FCopyValue->setEnabled(FPropList->selectionModel()->hasSelection());
}

void TEventInspectorForm::CopyPropertyValue() {
  const QModelIndexList rows = FPropList->selectionModel()->selectedRows(kValueColumn);
  if (rows.isEmpty()) return;
  QGuiApplication::clipboard()->setText(rows.constFirst().data().toString());
}

std::vector<int32_t> TEventInspectorForm::ColumnWidths() const {
  std::vector<int32_t> widths;
  for (int column = 0; column < FPropList->columnCount(); ++column) {
    widths.push_back(FPropList->columnWidth(column));
  }
  return widths;
}

void TEventInspectorForm::RestoreColumnWidths(const TOXOptions& settings) {
  std::vector<int32_t> widths = ColumnWidths();
  settings.ReadColumnWidths(kPropListSection, widths);
  for (size_t column = 0; column < widths.size(); ++column) {
    // A width below zero would hide the column for good; such a value keeps the current width.
    if (widths[column] >= 0) FPropList->setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

void TEventInspectorForm::SaveColumnWidths(TOXOptions& settings) const {
  settings.WriteColumnWidths(kPropListSection, ColumnWidths());
}
