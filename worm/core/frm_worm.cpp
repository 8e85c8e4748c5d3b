#include "core/frm_worm.h"

#include "core/track_title.h"
#include "shell/file_association.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <type_traits>
#include <utility>

namespace {

// Halves go to the even neighbour.
std::int32_t RoundHalfEven(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));
}

const QString Caption = QStringLiteral("The Vora");

// Counts a busy loop's wait while it runs, also when it throws.
class BusyScope {
 public:
  explicit BusyScope(int& depth) : depth_(depth) { ++depth_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope() { --depth_; }

 private:
  int& depth_;
};

}  // namespace

frmWorm::frmWorm(Platform& platform) : System(platform), tmrMainMenu(platform) {
  for (PictureBox* hidden :
       {&picDummy, &picMisc, &picMiscClip, &picHeadline, &picWormClip, &picBuildClip, &picMsgBox})
    hidden->SetVisible(false);
  for (PictureBox* offScreen : {&picDummy, &picMisc, &picMiscClip, &picWormClip, &picBuildClip})
    offScreen->AutoRedraw = true;
  picWormClip.AutoSize = true;
  picBuildClip.AutoSize = true;
  lbldummy.Visible = false;
  lbldummy.AutoSize = true;
  lbldummy.Font = TitleFont();
  picDummy.Font = lbldummy.Font;
  picDummy.ForeColor = TitleColour;
  picHeadline.AutoSize = true;
  lblCountDown.Container = &picMsgBox;
  lblCountDown.Visible = false;
  tmrMainMenu.SetInterval(250);
}

bool frmWorm::Form_Load(const QString& commandLine) {
  CommandLine = commandLine;
  W95 = {true, true};
  System.ShowCursor(false);
  const QSize desktop = System.DesktopSize();
  DesktopWidth = static_cast<std::int16_t>(desktop.width());
  DesktopHeight = static_cast<std::int16_t>(desktop.height());
  SetScreenMode(640, 480);

  const JoystickCaps caps = System.JoystickCapabilities();
  JoyCentreX = RoundHalfEven(caps.MaxX / 2.0);
  JoyCentreY = RoundHalfEven(caps.MaxY / 2.0);

  AppName = QStringLiteral("Vora");
  const QString folder = System.ProgramFolder();
  PicturePath = folder + QStringLiteral("Picture/");
  SoundPath = folder + QStringLiteral("Sound/");
  CurserPath = folder + QStringLiteral("Curser/");
  TrackPath = folder + QStringLiteral("Track/");

  const AssociationFolders associationFolders = UserAssociationFolders(System);
  if (!FileTypeRegistered(associationFolders)) RegisterFileType(System, associationFolders);

  PlaceStatusItems();
  if (!LoadSpriteSheets()) return false;

  FontCharset = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ #%0123456789");
  CellSize = 12;
  CurrentTrack = 1;
  tmrMainMenu.SetEnabled(true);
  return true;
}

void frmWorm::PlaceStatusItems() {
  // Labels and bars alike: a fresh control on the headline at (left, 18),
  // hidden until play shows the status (not over the editor's headline).
  auto place = [this](auto& control, int left, int width) {
    control = std::remove_reference_t<decltype(control)>{};
    control.Visible = false;
    control.Container = &picHeadline;
    control.Left = left;
    control.Top = 18;
    control.Width = width;
    control.Height = 12;
  };
  const QFont font = MakeFont(QStringLiteral("Liberation Sans"), 8.25, true);
  for (const auto& [label, left] : {std::pair{&lblKey[1], 326}, {&lblKey[2], 361},
                                    {&lblKey[3], 396}, {&lblLives, 125}, {&lblBonus, 532}}) {
    place(*label, left, 24);
    label->Font = font;
    label->ForeColor = Qt::white;
    label->SetCaption(QStringLiteral("0"));
  }
  for (const auto& [bar, left] : {std::pair{&pgbShield, 208}, {&pgbBreak, 430}}) {
    place(*bar, left, 96);
    bar->Max = 10;
  }
}

bool frmWorm::LoadSpriteSheets() {
  if (!QFileInfo(PicturePath).isDir()) {
    ReportMissing(QStringLiteral("The picture folder \"%1\" is missing.")
                      .arg(QDir::toNativeSeparators(PicturePath)));
    return false;
  }
  if (!LoadSheet(picWormClip, QStringLiteral("WormClip.gif")) ||
      !LoadSheet(picBuildClip, QStringLiteral("BuildClip.gif")))
    return false;
  WormSheetDC = &picWormClip.Dc();
  BlockSheetDC = &picBuildClip.Dc();

  WormSheetCols = 8;
  WormSheetRows = 36;
  BlockSheetCols = 10;
  BlockSheetRows = 6;
  WormCellWidth = static_cast<std::int16_t>(RoundHalfEven(picWormClip.Width() / 8.0));
  WormCellHeight = static_cast<std::int16_t>(RoundHalfEven(picWormClip.Height() / 36.0));
  BlockCellWidth = static_cast<std::int16_t>(RoundHalfEven(picBuildClip.Width() / 10.0));
  BlockCellHeight = static_cast<std::int16_t>(RoundHalfEven(picBuildClip.Height() / 6.0));
  return true;
}

bool frmWorm::LoadSheet(PictureBox& box, const QString& fileName) {
  const QString path = PicturePath + fileName;
  if (box.LoadPicture(path)) return true;
  ReportMissing(QStringLiteral("The picture \"%1\" is missing or cannot be read.")
                    .arg(QDir::toNativeSeparators(path)));
  return false;
}

void frmWorm::ReportMissing(const QString& what) {
  System.ShowCursor(true);
  System.MessageBox(what, Caption, MessageButtons::Ok, MessageIcon::Critical);
}

void frmWorm::Form_Activate() {
  if (SoundReady) return;
  SoundStatus = static_cast<std::uint8_t>(System.SoundInitialise());
  if (SoundStatus == 0) LoadSoundBank();
  SoundReady = true;
}

void frmWorm::RunEvent(const std::function<void()>& handler) {
  if (busyDepth_ > 0 || exited_) return;
  ++eventDepth_;
  try {
    handler();
  } catch (const ProgramClosing&) {
    // The window was closed inside the event; it has unwound now.
  }
  --eventDepth_;
  if (eventDepth_ == 0 && System.CloseRequested()) ExitProgram();
}

void frmWorm::ExitProgram() {
  if (exited_) return;
  exited_ = true;
  tmrMainMenu.SetEnabled(false);
  SetScreenMode(DesktopWidth, DesktopHeight);
  W95 = {false, false};
  System.ShowCursor(true);
  if (SoundReady && SoundStatus == 0) System.SoundShutDown();
  System.Quit(0);
}

void frmWorm::SetScreenMode(std::int16_t width, std::int16_t height) {
  System.SetDisplayMode(width, height);
}

void frmWorm::WaitMs(std::int16_t ms) {
  if (ms <= 0) return;
  const BusyScope busy(busyDepth_);
  System.WaitFor(ms);
}

void frmWorm::YieldToEvents() {
  const BusyScope busy(busyDepth_);
  System.YieldToEvents();
}

std::vector<const PictureBox*> frmWorm::ScreenBoxes() const {
  return {&picPlayField, &picHeadline, &picMisc, &picMsgBox};
}

std::vector<const Label*> frmWorm::Labels() const {
  return {&lblKey[1], &lblKey[2], &lblKey[3], &lblLives, &lblBonus, &lblCountDown, &lbldummy};
}

std::vector<const ProgressBar*> frmWorm::ProgressBars() const {
  return {&pgbShield, &pgbBreak};
}
