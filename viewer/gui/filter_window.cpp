// The filter window's controls over TEventFilterState.

#include "viewer/gui/filter_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "viewer/gui/user_dialogs.h"

namespace {

constexpr QSize kDesignedSize(200, 439);
// The check list's rows are of one height, as small as their text allows.
constexpr int kItemHeight = 13;
constexpr int kGap = 2;

QDate DateOf(TDateTime value) {
  int year = 0;
  int month = 0;
  int day = 0;
  DecodeDate(value, year, month, day);
  return QDate(year, month, day);
}

QTime TimeOf(TDateTime value) {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  DecodeTime(value, hour, minute, second, millisecond);
  return QTime(hour, minute, second, millisecond);
}

TDateTime DateTimeOf(QDate date) { return EncodeDate(date.year(), date.month(), date.day()); }

TDateTime DateTimeOf(QTime time) {
  return EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

QDateEdit* MakeDatePicker(QWidget* parent) {
  auto* picker = new QDateEdit(parent);
  // The locale's short date, with the century: a two-digit year typed in would land in the
  // 1900s.
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QStringLiteral("yyyy")))
    format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  picker->setDisplayFormat(format);
  picker->setCalendarPopup(true);
  return picker;
}

QTimeEdit* MakeTimePicker(QWidget* parent) {
  auto* picker = new QTimeEdit(parent);
  // Seconds count for the bound, whatever the locale's short time shows.
  picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  return picker;
}

// Two pickers side by side, each half of the width.
QHBoxLayout* HalvesOf(QWidget* left, QWidget* right) {
  auto* row = new QHBoxLayout;
  row->setSpacing(kGap);
  for (QWidget* half : {left, right}) {
    half->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->addWidget(half, 1);
  }
  return row;
}

}  // namespace

TEventFilterForm::TEventFilterForm(TEventView& view, const TOXOptions& settings,
                                   TUserDialogs& dialogs, QWidget* parent)
    : TDockToolWindow(QStringLiteral("Event Filter"), kDesignedSize, parent),
      FView(view),
      FDialogs(dialogs),
      FState(settings) {
  setObjectName(QStringLiteral("EventFilterForm"));
  BuildControls();
  FillItems();
  ShowState();
  ConnectControls();
  FView.SetFilterWindow(&FState);
}

TEventFilterForm::~TEventFilterForm() { ReleaseView(); }

void TEventFilterForm::ReleaseView() {
  // A window closed and still waiting to be freed may already have a successor as the filter.
  if (&FView.Filter() == &FState) FView.SetFilterWindow(nullptr);
}

void TEventFilterForm::closeEvent(QCloseEvent* event) {
  ReleaseView();
  TDockToolWindow::closeEvent(event);
}

void TEventFilterForm::BuildControls() {
  auto* contents = new QWidget(this);
  FItems = new QListWidget(contents);
  FItems->setUniformItemSizes(true);
  FItems->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* selectAll = new QAction(QStringLiteral("Select All"), FItems);
  auto* clearAll = new QAction(QStringLiteral("Clear All"), FItems);
  FItems->addActions({selectAll, clearAll});
  connect(selectAll, &QAction::triggered, this, &TEventFilterForm::SelectAll);
  connect(clearAll, &QAction::triggered, this, &TEventFilterForm::ClearAll);

  FFromBox = new QCheckBox(QStringLiteral("Filter From"), contents);
  FDateFrom = MakeDatePicker(contents);
  FTimeFrom = MakeTimePicker(contents);
  FToBox = new QCheckBox(QStringLiteral("Filter To"), contents);
  FDateTo = MakeDatePicker(contents);
  FTimeTo = MakeTimePicker(contents);
  auto* bevel = new QFrame(contents);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  FApply = new QPushButton(QStringLiteral("&Apply"), contents);

  // From the bottom up: Apply at the right, the bevel, the To row and its box, the From row
  // and its box; the check list takes the rest.
  auto* layout = new QVBoxLayout(contents);
  layout->setContentsMargins(kGap, kGap, kGap, kGap);
  layout->setSpacing(kGap);
  layout->addWidget(FItems, 1);
  layout->addWidget(FFromBox);
  layout->addLayout(HalvesOf(FDateFrom, FTimeFrom));
  layout->addWidget(FToBox);
  layout->addLayout(HalvesOf(FDateTo, FTimeTo));
  layout->addWidget(bevel);
  layout->addWidget(FApply, 0, Qt::AlignRight);
  setWidget(contents);
}

void TEventFilterForm::ConnectControls() {
  connect(FItems, &QListWidget::itemChanged, this, &TEventFilterForm::ItemChanged);
  connect(FItems, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    FState.Toggle(FItems->row(item));
    ShowState();
  });
  connect(FFromBox, &QCheckBox::clicked, this, [this](bool checked) {
    FState.SetFromEnabled(checked);
    ShowState();
  });
  connect(FToBox, &QCheckBox::clicked, this, [this](bool checked) {
    FState.SetToEnabled(checked);
    ShowState();
  });
  // A picker's own change, not one made to show the state, is the user's edit.
  const auto edit = [this](auto&& change) {
    return [this, change](const auto& value) {
      if (FShowing) return;
      change(value);
      ShowState();
    };
  };
  connect(FDateFrom, &QDateEdit::dateChanged, this,
          edit([this](QDate date) { FState.SetFromDate(DateTimeOf(date)); }));
  connect(FTimeFrom, &QTimeEdit::timeChanged, this,
          edit([this](QTime time) { FState.SetFromTime(DateTimeOf(time)); }));
  connect(FDateTo, &QDateEdit::dateChanged, this,
          edit([this](QDate date) { FState.SetToDate(DateTimeOf(date)); }));
  connect(FTimeTo, &QTimeEdit::timeChanged, this,
          edit([this](QTime time) { FState.SetToTime(DateTimeOf(time)); }));
  connect(FApply, &QPushButton::clicked, this, &TEventFilterForm::Apply);
}

void TEventFilterForm::FillItems() {
  FShowing = true;
  FItems->clear();
  const int height = std::max(kItemHeight, FItems->fontMetrics().height());
  for (const TFilterItem& item : FState.Items()) {
    auto* row = new QListWidgetItem(QString::fromStdString(item.DisplayName), FItems);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setSizeHint(QSize(0, height));
  }
  FShowing = false;
}

void TEventFilterForm::ShowState() {
  FShowing = true;
  const std::vector<TFilterItem>& items = FState.Items();
  for (int row = 0; row < FItems->count(); ++row) {
    FItems->item(row)->setCheckState(items[static_cast<size_t>(row)].Checked ? Qt::Checked
                                                                             : Qt::Unchecked);
  }
  const auto showBound = [](const TFilterBound& bound, QCheckBox* box, QDateEdit* date,
                            QTimeEdit* time) {
    box->setChecked(bound.Enabled);
    date->setEnabled(bound.Enabled);
    time->setEnabled(bound.Enabled);
    date->setDate(DateOf(bound.Date));
    time->setTime(TimeOf(bound.Time));
  };
  showBound(FState.From(), FFromBox, FDateFrom, FTimeFrom);
  showBound(FState.To(), FToBox, FDateTo, FTimeTo);
  FApply->setEnabled(FState.ApplyEnabled());
  FShowing = false;
}

void TEventFilterForm::ItemChanged(QListWidgetItem* item) {
  if (FShowing) return;
  FState.SetChecked(FItems->row(item), item->checkState() == Qt::Checked);
  ShowState();
}

void TEventFilterForm::RefreshItems() {
  FState.RefreshItems();
  FillItems();
  ShowState();
}

void TEventFilterForm::SetFrom(TDateTime value) {
  FState.SetFrom(value);
  ShowState();
}

void TEventFilterForm::SetTo(TDateTime value) {
  FState.SetTo(value);
  ShowState();
}

void TEventFilterForm::SelectAll() {
  FState.SelectAll();
  ShowState();
}

void TEventFilterForm::ClearAll() {
  FState.ClearAll();
  ShowState();
}

void TEventFilterForm::Apply() {
  if (FState.Apply() == TApplyOutcome::aoRangeError) FDialogs.Error(this, kFilterRangeErrorText);
  ShowState();
}
