#include "form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <random>

#include "messages.h"
#include "twips.h"

namespace {

const QColor kCyan(0, 255, 255);
const QColor kRedMarkColour(220, 0, 0);
const QColor kBlueMarkColour(0, 0, 220);
// Greyed text that still reads on cyan.
const QColor kGreyedText(96, 96, 96);
constexpr int kNoColumn = -1;

QLabel* BoldLabel(const QString& text, const QRect& place, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setGeometry(place);
  return label;
}

QLabel* GreyedLabel(const QString& text, const QRect& place, QWidget* parent) {
  QLabel* label = BoldLabel(text, place, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyedText);
  label->setPalette(palette);
  label->setEnabled(false);
  return label;
}

// The top left corner that centres a disk's picture on a widget of the window.
QPoint DiskPlaceOn(const QWidget* widget, QSize disk) {
  const QRect place = widget->geometry();
  return place.topLeft() + QPoint((place.width() - disk.width()) / 2,
                                  (place.height() - disk.height()) / 2);
}

}  // namespace

Form1::Form1(Alerts& alerts, Scheduler& scheduler)
    : alerts_(alerts), scheduler_(scheduler), computer_(std::random_device{}()) {
  auto* client = new QWidget(this);
  client->setFixedSize(Px(7515), Px(6180));
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, kCyan);
  client->setPalette(palette);
  client->setAutoFillBackground(true);
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowIcon(pictures_.windowIcon);
  setFocusPolicy(Qt::StrongFocus);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  CreateMenu();
  CreateSides(client);
  CreateGrid(client);
  CreateWinner(client);
  flight_ = new DiskFlight(pictures_.blueDisk, scheduler_, client);
  adjustSize();
  Form_Load();
}

// The computer's thinking uses this window's engine: it must end first.
Form1::~Form1() { scheduler_.Cancel(); }

void Form1::CreateMenu() {
  mnuHowToPlay_ = menuBar()->addAction("How To &Play", this, [this] {
    alerts_.Information("Plinkett", RulesText());
  });
  mnuReset_ = menuBar()->addAction("&Reset", this, &Form1::Form_Load);
  mnuReset_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  mnuExit_ = menuBar()->addAction("E&xit", this, &QWidget::close);
  mnuAbout_ = menuBar()->addAction("&About", this, [this] {
    alerts_.Message(kGameTitle, CreditsText());
  });
  mnuComputer_ = new ComputerMenu(this);
  menuBar()->addMenu(mnuComputer_);
  connect(mnuComputer_, &ComputerMenu::LevelChosen, this, &Form1::ChooseLevel);
  connect(mnuComputer_->HintCommand(), &QAction::triggered, this, &Form1::ShowHint);
  connect(mnuComputer_->UndoCommand(), &QAction::triggered, this, &Form1::UndoMove);
}

void Form1::CreateSides(QWidget* client) {
  label1_ = GreyedLabel("Player 1", TwipsRect(1680, 360, 975, 255), client);
  label2_ = GreyedLabel("Player 2", TwipsRect(5160, 360, 975, 255), client);

  frmRed_ = new GoFrame(client);
  frmRed_->setGeometry(TwipsRect(2640, 0, 975, 855));
  redDisk_ = new DiskImage(Disk::Red, pictures_.redDisk, frmRed_);
  redDisk_->move(TwipsPoint(240, 240));

  frmBlue_ = new GoFrame(client);
  frmBlue_->setGeometry(TwipsRect(4080, 0, 975, 855));
  blueDisk_ = new DiskImage(Disk::Blue, pictures_.blueDisk, frmBlue_);
  blueDisk_->move(TwipsPoint(240, 240));

  for (int k = 0; k < kColumns; ++k) {
    imgDest_[k] = new ArrowTarget(k, pictures_.arrows[k], client);
    imgDest_[k]->setGeometry(TwipsRect(1800 + 600 * k, 960, 510, 645));
    connect(imgDest_[k], &ArrowTarget::DragDrop, this, &Form1::imgDest_DragDrop);
  }
}

void Form1::CreateGrid(QWidget* client) {
  for (int i = 0; i < kCells; ++i) {
    image1_[i] = new QLabel(client);
    image1_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
    image1_[i]->setAlignment(Qt::AlignCenter);
    image1_[i]->setGeometry(
        TwipsRect(1680 + 600 * ColumnOf(i), 1680 + 600 * RowOf(i), 615, 615));
  }
  imgBullsEye_ = new QLabel(client);
  imgBullsEye_->setPixmap(pictures_.bullsEye);
  imgBullsEye_->setGeometry(TwipsRect(6600, 4680, 480, 480));
  imgBullsEye_->hide();
  lines_ = new BoardLines(client);
}

void Form1::CreateWinner(QWidget* client) {
  frmWinner_ = new QWidget(client);
  frmWinner_->setGeometry(TwipsRect(120, 720, 1455, 1335));
  lblWinner_ = BoldLabel("", TwipsRect(0, 240, 1455, 975), frmWinner_);
  QFont font = lblWinner_->font();
  font.setPointSize(12);
  lblWinner_->setFont(font);
  QPalette palette = lblWinner_->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  lblWinner_->setPalette(palette);
  lblWinner_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form1::Form_Load() {
  StopComputer();
  setWindowTitle(kGameTitle);
  CentreOnScreen();
  game_.NewGame();
  keyColumn_ = kColumns / 2;
  hintColumn_ = kNoColumn;
  ShowGame();
}

// The window manager adds the frame after the window is shown; centre again
// once its size is known.
void Form1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!frameKnown_ && frameGeometry() != geometry()) {
    frameKnown_ = true;
    CentreOnScreen();
  }
}

void Form1::CentreOnScreen() {
  const QRect screenArea = screen()->geometry();
  const QSize windowSize = frameGeometry().size();
  move(screenArea.x() + (screenArea.width() - windowSize.width()) / 2,
       screenArea.y() + (screenArea.height() - windowSize.height()) / 2);
}

void Form1::imgDest_DragDrop(int k, Disk disk) {
  // A disk's data may also come from another window of the game.
  const DiskImage* dragged = disk == Disk::Red ? redDisk_ : blueDisk_;
  if (!dragged->isEnabled()) return;
  StopComputer();
  DropDisk(k, disk);
}

void Form1::DropDisk(int k, Disk disk) {
  hintColumn_ = kNoColumn;
  const MoveResult result = game_.Move(k, disk);
  ShowGame();
  if (result != MoveResult::ColumnFull) {
    alerts_.Beep();
  } else {
    alerts_.Warning(kGameTitle, ColumnFullText());
  }
  StartComputerMove();
}

void Form1::ShowGame() {
  for (int i = 0; i < kCells; ++i) {
    image1_[i]->setPixmap(pictures_.Of(game_.CellPicture(i)));
  }
  redDisk_->setEnabled(game_.RedDisk().enabled);
  redDisk_->SetBorderStyle(game_.RedDisk().borderStyle);
  // The player cannot drag blue while the computer moves it.
  blueDisk_->setEnabled(game_.BlueDisk().enabled && !computerMoving_);
  blueDisk_->SetBorderStyle(game_.BlueDisk().borderStyle);
  frmRed_->SetBorderStyle(game_.RedFrameBorder());
  frmBlue_->SetBorderStyle(game_.BlueFrameBorder());
  lblWinner_->setText(QString::fromStdString(game_.WinnerText()));
  frmWinner_->setVisible(game_.WinnerShown());
  lines_->SetWinnerLine(game_.Line());
  ShowHintCell();
  ShowKeyboardMark();
  mnuComputer_->HintCommand()->setEnabled(EnabledDisk() != nullptr);
  mnuComputer_->UndoCommand()->setEnabled(game_.CanUndo());
}

void Form1::ShowHintCell() {
  const DiskImage* disk = EnabledDisk();
  if (hintColumn_ == kNoColumn || disk == nullptr) return;
  image1_[game_.LandingCell(hintColumn_)]->setPixmap(pictures_.HintOf(disk->disk()));
}

DiskImage* Form1::EnabledDisk() const {
  if (redDisk_->isEnabled()) return redDisk_;
  if (blueDisk_->isEnabled()) return blueDisk_;
  return nullptr;
}

Position Form1::PositionToMove() const {
  return Position::FromBoard(game_.board(), game_.RedDisk().enabled ? kRedMark : kBlueMark);
}

// None while the computer moves or the game is over.
void Form1::ShowKeyboardMark() {
  const DiskImage* disk = EnabledDisk();
  const QColor colour = disk == redDisk_ ? kRedMarkColour : kBlueMarkColour;
  for (ArrowTarget* arrow : imgDest_) {
    if (disk != nullptr && arrow->column() == keyColumn_) {
      arrow->SetMark(colour);
    } else {
      arrow->ClearMark();
    }
  }
}

void Form1::ChooseColumn(int step) {
  keyColumn_ = std::clamp(keyColumn_ + step, 0, kColumns - 1);
  ShowKeyboardMark();
}

void Form1::DropByKey(int k) {
  keyColumn_ = k;
  imgDest_DragDrop(k, EnabledDisk()->disk());
}

void Form1::keyPressEvent(QKeyEvent* event) {
  if (EnabledDisk() == nullptr) return QMainWindow::keyPressEvent(event);
  const int key = event->key();
  if (key >= Qt::Key_1 && key < Qt::Key_1 + kColumns &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    DropByKey(key - Qt::Key_1);
    return;
  }
  switch (key) {
    case Qt::Key_Left:
      ChooseColumn(-1);
      break;
    case Qt::Key_Right:
      ChooseColumn(+1);
      break;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      DropByKey(keyColumn_);
      break;
    default:
      QMainWindow::keyPressEvent(event);
  }
}

void Form1::ChooseLevel(ComputerLevel level) {
  if (level == ComputerLevel::Off && computerMoving_) {
    StopComputer();
    ShowGame();
  }
  StartComputerMove();
}

void Form1::StartComputerMove() {
  const ComputerLevel level = mnuComputer_->Level();
  if (level == ComputerLevel::Off || computerMoving_ || !game_.BlueDisk().enabled) return;
  computerMoving_ = true;
  ShowGame();
  scheduler_.Think(
      [this, level, position = PositionToMove()](const std::atomic<bool>& stop) {
        return computer_.ChooseColumn(level, position, stop);
      },
      [this](int k) { FlyComputerDisk(k); });
}

void Form1::FlyComputerDisk(int k) {
  const QSize disk = pictures_.blueDisk.size();
  const QPoint start = blueDisk_->mapTo(centralWidget(), QPoint(0, 0));
  flight_->Fly(start, DiskPlaceOn(imgDest_[k], disk),
               DiskPlaceOn(image1_[game_.LandingCell(k)], disk), [this, k] {
                 computerMoving_ = false;
                 DropDisk(k, Disk::Blue);
               });
}

void Form1::StopComputer() {
  scheduler_.Cancel();
  flight_->Stop();
  computerMoving_ = false;
}

void Form1::ShowHint() {
  if (EnabledDisk() == nullptr) return;
  scheduler_.Think(
      [this, position = PositionToMove()](const std::atomic<bool>& stop) {
        return computer_.ChooseColumn(ComputerLevel::Hard, position, stop);
      },
      [this](int k) {
        hintColumn_ = k;
        keyColumn_ = k;
        ShowHintCell();
        ShowKeyboardMark();
      });
}

void Form1::UndoMove() {
  StopComputer();
  bool undone = game_.Undo();
  // Against the computer blue's move goes too, so that red is to move again.
  while (undone && mnuComputer_->Level() != ComputerLevel::Off && game_.BlueDisk().enabled) {
    undone = game_.Undo();
  }
  hintColumn_ = kNoColumn;
  ShowGame();
}
