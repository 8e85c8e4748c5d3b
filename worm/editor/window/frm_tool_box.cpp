#include "editor/window/frm_tool_box.h"

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/editor_keys.h"
#include "editor/editor_menu.h"
#include "editor/enter_editor.h"
#include "editor/toolbar_click.h"
#include "editor/window/toolbox_pictures.h"
#include "platform/virtual_key.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ButtonSize = 16;
constexpr int ToolbarColumns = 13;
constexpr int ClockTickMs = 1000;

Qt::WindowFlags ToolWindowFlags(bool topmost) {
  Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint;
  if (topmost) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

QFont ToolboxFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  return font;
}

// A page: a frame with the page's caption around its controls.
QGroupBox* MakeFrame(const QString& caption, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setFlat(false);
  return frame;
}

QLabel* MakePicture(const QPixmap& pixmap) {
  auto* picture = new QLabel;
  picture->setPixmap(pixmap);
  picture->setFixedSize(pixmap.size());
  return picture;
}

}  // namespace

frmToolBox::frmToolBox(Editor& editor, QWidget* parent, std::function<void()> refreshScreen)
    : QWidget(parent, ToolWindowFlags(true)),
      editor_(editor),
      refreshScreen_(std::move(refreshScreen)),
      blockSheet_(editor.Form.picBuildClip.Kept().Image()),
      wormSheet_(editor.Form.picWormClip.Kept().Image()) {
  setObjectName(QStringLiteral("frmToolBox"));
  setFont(ToolboxFont());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 0);
  layout->setSpacing(1);
  menuBar_ = MakeMenuBar();
  layout->setMenuBar(menuBar_);
  layout->addWidget(MakeToolbar());
  layout->addWidget(MakePages(), 1);
  layout->addWidget(MakeStatusBar());
  setFixedSize(ClientWidth, ClientHeight + menuBar_->sizeHint().height());
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  Sync();
}

void frmToolBox::Run(const std::function<void()>& action) {
  editor_.Form.RunEvent(action);
  Sync();
  if (refreshScreen_) refreshScreen_();
}

QWidget* frmToolBox::MakeToolbar() {
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("tlbBuildingBlocks"));
  auto* grid = new QGridLayout(bar);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  for (int n = 1; n <= ToolbarButtonCount; ++n) {
    const ToolbarButton button = ToolbarButtonAt(n);
    if (button.Kind == ToolbarKind::Separator) continue;
    auto* widget = new QToolButton(bar);
    widget->setObjectName(QStringLiteral("Button%1").arg(n));
    widget->setFixedSize(ButtonSize, ButtonSize);
    widget->setIconSize(QSize(12, 12));
    widget->setIcon(ToolbarIcon(n, blockSheet_));
    widget->setToolTip(ToolbarButtonName(n));
    widget->setAutoRaise(true);
    widget->setCheckable(button.Kind == ToolbarKind::Tool || button.Kind == ToolbarKind::Block ||
                         button.Kind == ToolbarKind::Toggle);
    connect(widget, &QToolButton::clicked, this,
            [this, n] { Run([this, n] { tlbBuildingBlocks_ButtonClick(editor_, n); }); });
    // The buttons wrap in rows; the separator keeps its slot empty.
    grid->addWidget(widget, (n - 1) / ToolbarColumns, (n - 1) % ToolbarColumns);
    toolbar_[n] = widget;
  }
  return bar;
}

QSlider* frmToolBox::MakeSlider(SliderControl& slider) {
  auto* widget = new QSlider(Qt::Horizontal);
  widget->setTickPosition(QSlider::TicksBelow);
  connect(widget, &QSlider::sliderMoved, this,
          [this, &slider](int value) { Run([&slider, value] { slider.UserScroll(value); }); });
  connect(widget, &QSlider::sliderReleased, this, [this, &slider, widget] {
    const int value = widget->value();
    Run([&slider, value] { slider.SetValue(value); });
  });
  connect(widget, &QSlider::valueChanged, this, [this, &slider, widget](int value) {
    if (!widget->isSliderDown()) Run([&slider, value] { slider.SetValue(value); });
  });
  return widget;
}

QPushButton* frmToolBox::MakeButton(CommandButton& button) {
  auto* widget = new QPushButton(button.Caption);
  connect(widget, &QPushButton::clicked, this, [this, &button] {
    Run([&button] {
      if (button.Click) button.Click();
    });
  });
  return widget;
}

QTabWidget* frmToolBox::MakePages() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabConfig"));
  tabs_->setUsesScrollButtons(true);
  tabs_->setElideMode(Qt::ElideNone);
  tabs_->setDocumentMode(true);
  ToolboxModel& c = editor_.Controls;
  QWidget* pages[] = {MakeTrackPage(), MakeDirectionPage(),
                      MakeTrimPage(c.slrTrimTrack, trimTrack_, trimTrackLabels_),
                      MakeTrimPage(c.slrTrimDB, trimDB_, trimDBLabels_), MakeDefDBPage(),
                      MakeDatabasePage()};
  for (int i = 0; i < 6; ++i) {
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(2, 0, 2, 2);
    QGroupBox* frame = MakeFrame(PageCaptions[i], holder);
    frame->setObjectName(QStringLiteral("FrameTab%1").arg(i));
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(3, 1, 3, 2);
    inner->addWidget(pages[i]);
    layout->addWidget(frame);
    tabs_->addTab(holder, TabCaptions[i]);
  }
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    editor_.Controls.Tab = index;
  });
  return tabs_;
}

QWidget* frmToolBox::MakeTrackPage() {
  ToolboxModel& c = editor_.Controls;
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  trackNumber_ = MakeSlider(c.slrTrackNumber);
  trackNumber_->setObjectName(QStringLiteral("slrTrackNumber"));
  trackName_ = new QComboBox;
  trackName_->setObjectName(QStringLiteral("cmbTrackName"));
  connect(trackName_, &QComboBox::activated, this, [this](int index) {
    Run([this, index] { editor_.Controls.cmbTrackName.SetListIndex(index); });
  });
  grid->addWidget(MakePicture(PagePixmap(PagePicture::TrackNumber, blockSheet_, wormSheet_)), 0, 0);
  grid->addWidget(trackNumber_, 0, 1, 1, 3);
  grid->addWidget(trackName_, 1, 0, 1, 4);
  for (int i = 0; i < 3; ++i) {
    trackButtons_[i] = MakeButton(c.cmdTrackNumber[i]);
    trackButtons_[i]->setObjectName(QStringLiteral("cmdTrackNumber%1").arg(i));
    grid->addWidget(trackButtons_[i], 2, i == 0 ? 0 : i + 1, 1, i == 0 ? 2 : 1);
  }
  return page;
}

QWidget* frmToolBox::MakeDirectionPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(1);
  // Direction codes around the cross: up-left, up, up-right, right, ...
  const int places[8][2] = {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}};
  for (int i = 0; i < 8; ++i) {
    heads_[i] = new QToolButton;
    heads_[i]->setObjectName(QStringLiteral("imgWormHead%1").arg(i));
    heads_[i]->setAutoRaise(true);
    heads_[i]->setIconSize(QSize(24, 24));
    heads_[i]->setFixedSize(26, 26);
    connect(heads_[i], &QToolButton::clicked, this, [this, i] {
      Run([this, i] {
        if (editor_.Controls.imgWormHead_Click) editor_.Controls.imgWormHead_Click(i);
      });
    });
    grid->addWidget(heads_[i], places[i][0], places[i][1]);
  }
  QLabel* cross = MakePicture(PagePixmap(PagePicture::DirectionCross, blockSheet_, wormSheet_));
  grid->addWidget(cross, 1, 1, Qt::AlignCenter);
  grid->addWidget(MakePicture(PagePixmap(PagePicture::WormDirection, blockSheet_, wormSheet_)), 0,
                  4, 3, 1, Qt::AlignCenter);
  grid->setColumnStretch(3, 1);
  return page;
}

QWidget* frmToolBox::MakeTrimPage(std::array<SliderControl, 5>& sliders,
                                  std::array<QSlider*, 5>& widgets,
                                  std::array<QLabel*, 5>& labels) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(0);
  for (int i = 1; i <= 4; ++i) {
    labels[i] = new QLabel;
    widgets[i] = MakeSlider(sliders[i]);
    const int row = (i - 1) / 2 * 2;
    const int column = (i - 1) % 2;
    grid->addWidget(labels[i], row, column);
    grid->addWidget(widgets[i], row + 1, column);
  }
  return page;
}

QWidget* frmToolBox::MakeDefDBPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  defDB_ = new QListWidget;
  defDB_->setObjectName(QStringLiteral("lstDefDB"));
  connect(defDB_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    const int row = defDB_->row(item);
    Run([this, row] {
      const CheckListControl& list = editor_.Controls.lstDefDB;
      if (list.ItemCheck) list.ItemCheck(row);
    });
  });
  layout->addWidget(defDB_, 1);
  layout->addWidget(MakePicture(PagePixmap(PagePicture::DefDB, blockSheet_, wormSheet_)), 0,
                    Qt::AlignTop);
  return page;
}

QWidget* frmToolBox::MakeDatabasePage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  for (int i = 0; i < 5; ++i) {
    databaseButtons_[i] = MakeButton(editor_.Controls.cmdDatabase[i]);
    databaseButtons_[i]->setObjectName(QStringLiteral("cmdDatabase%1").arg(i));
    grid->addWidget(databaseButtons_[i], i / 2, i % 2);
  }
  grid->addWidget(MakePicture(PagePixmap(PagePicture::Database, blockSheet_, wormSheet_)), 2, 1,
                  Qt::AlignCenter);
  return page;
}

QWidget* frmToolBox::MakeStatusBar() {
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("sbConfig"));
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 1);
  layout->setSpacing(2);
  const int stretches[] = {0, 2, 2, 4, 2};
  for (int panel = 1; panel <= 4; ++panel) {
    panels_[panel] = new QLabel(bar);
    panels_[panel]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels_[panel]->setToolTip(editor_.Controls.sbConfig[panel].ToolTip);
    panels_[panel]->setMinimumWidth(10);
    layout->addWidget(panels_[panel], stretches[panel]);
  }
  auto* clock = new QTimer(bar);
  auto showTime = [label = panels_[4]] {
    label->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
  };
  connect(clock, &QTimer::timeout, bar, showTime);
  clock->start(ClockTickMs);
  showTime();
  return bar;
}

QMenuBar* frmToolBox::MakeMenuBar() {
  auto* bar = new QMenuBar(this);
  MenuItem& menu = editor_.Controls.mnuToolBox;
  QMenu* toolbox = bar->addMenu(menu.Caption);
  toolbox->setObjectName(QStringLiteral("mnuToolBox"));
  FillMenu(*toolbox, menu, menuActions_);
  connect(toolbox, &QMenu::aboutToShow, this, [this] {
    UpdateMenu(editor_);
    Sync();
  });
  for (auto& [action, item] : menuActions_) {
    MenuItem* chosen = item;
    connect(action, &QAction::triggered, this, [this, chosen] {
      Run([chosen] {
        if (chosen->Click) chosen->Click();
      });
    });
  }
  return bar;
}

void frmToolBox::FillMenu(QMenu& menu, MenuItem& item, std::map<QAction*, MenuItem*>& actions) {
  for (MenuItem& child : item.Items) {
    if (child.Caption == QLatin1String("-")) {
      menu.addSeparator();
    } else if (!child.Items.empty()) {
      QMenu* submenu = menu.addMenu(child.Caption);
      FillMenu(*submenu, child, actions);
    } else {
      QAction* action = menu.addAction(child.Caption);
      action->setCheckable(child.Checked || child.Caption == QLatin1String("Toolbox"));
      action->setChecked(child.Checked);
      action->setEnabled(child.Enabled);
      actions[action] = &child;
    }
  }
}

MenuItem* frmToolBox::Popup(MenuItem& menu) {
  QMenu popup;
  popup.setObjectName(QStringLiteral("mnuToolBoxPopup"));
  popup.setFont(font());
  std::map<QAction*, MenuItem*> actions;
  FillMenu(popup, menu, actions);
  QAction* chosen = popup.exec(QCursor::pos());
  const auto found = actions.find(chosen);
  return found == actions.end() ? nullptr : found->second;
}

void frmToolBox::SetTopmost(bool topmost) {
  if (topmost == topmost_) return;
  topmost_ = topmost;
  const QRect place = geometry();
  const bool shown = isVisible();
  setWindowFlags(ToolWindowFlags(topmost));
  setGeometry(place);
  if (shown) show();
}

void frmToolBox::SyncSlider(QSlider& widget, const SliderControl& slider) {
  const QSignalBlocker blocker(widget);
  widget.setRange(slider.Min, slider.Max);
  widget.setSingleStep(slider.SmallChange);
  widget.setPageStep(slider.LargeChange);
  widget.setTickInterval(slider.TickFrequency);
  widget.setEnabled(slider.Enabled);
  widget.setToolTip(slider.ToolTip);
  if (!widget.isSliderDown()) widget.setValue(slider.Value());
}

void frmToolBox::SyncMenu(MenuItem&) {
  for (auto& [action, item] : menuActions_) {
    action->setEnabled(item->Enabled);
    action->setChecked(item->Checked);
  }
}

void frmToolBox::Sync() {
  ToolboxModel& c = editor_.Controls;
  setWindowTitle(c.Caption);
  for (int n = 1; n <= ToolbarButtonCount; ++n) {
    if (!toolbar_[n]) continue;
    const QSignalBlocker blocker(toolbar_[n]);
    toolbar_[n]->setChecked(c.Toolbar[n].Pressed);
    toolbar_[n]->setEnabled(c.Toolbar[n].Enabled);
  }
  {
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(c.Tab);
  }
  SyncSlider(*trackNumber_, c.slrTrackNumber);
  {
    const QSignalBlocker blocker(trackName_);
    const QStringList& entries = c.cmbTrackName.Entries();
    QStringList shown;
    for (int i = 0; i < trackName_->count(); ++i) shown << trackName_->itemText(i);
    if (shown != entries) {
      trackName_->clear();
      trackName_->addItems(entries);
    }
    trackName_->setCurrentIndex(c.cmbTrackName.ListIndex());
  }
  for (int i = 0; i < 3; ++i) trackButtons_[i]->setEnabled(c.cmdTrackNumber[i].Enabled);
  for (int i = 0; i < 8; ++i) heads_[i]->setIcon(HeadPicture(c.imgWormHead[i], wormSheet_));
  for (int i = 1; i <= 4; ++i) {
    SyncSlider(*trimTrack_[i], c.slrTrimTrack[i]);
    trimTrackLabels_[i]->setText(c.lblTrimTrack[i]);
    SyncSlider(*trimDB_[i], c.slrTrimDB[i]);
    trimDBLabels_[i]->setText(c.lblTrimDB[i]);
  }
  {
    const QSignalBlocker blocker(defDB_);
    const CheckListControl& list = c.lstDefDB;
    if (defDB_->count() != list.Entries.size()) defDB_->clear();
    for (int i = 0; i < list.Entries.size(); ++i) {
      if (i >= defDB_->count()) defDB_->addItem(QString());
      QListWidgetItem* item = defDB_->item(i);
      item->setText(list.Entries[i]);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
      item->setCheckState(list.Checked[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    }
    defDB_->setToolTip(list.ToolTip);
  }
  for (int i = 0; i < 5; ++i) databaseButtons_[i]->setEnabled(c.cmdDatabase[i].Enabled);
  for (int panel = 1; panel <= 3; ++panel) panels_[panel]->setText(c.sbConfig[panel].Text);
  SyncMenu(c.mnuToolBox);
}

void frmToolBox::closeEvent(QCloseEvent* event) {
  event->ignore();
  Run([this] { ToolboxCloseRequest(editor_); });
}

bool frmToolBox::eventFilter(QObject* watched, QEvent* event) {
  // The window sees each key before its controls: once, at the widget the
  // key is sent to first (it may travel up to the parents afterwards).
  QWidget* first = QApplication::focusWidget();
  if (event->type() == QEvent::KeyPress && watched == (first ? first : this)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = VirtualKeyCode(*key);
    const int shift = ShiftState(*key);
    Run([this, code, shift] { EditorKeyDown(editor_, code, shift); });
  }
  return QWidget::eventFilter(watched, event);
}
