// Records an input script that plays one track of a database to its end
// on the scripted platform: a pilot steers the worm along the shortest way
// to the nearest food, then to an open exit, and the keys it held are
// written down. Played back on the same clock and seed (tests/replay_test)
// the script gives the same game.
//
//   worm_record_replay PROGRAM_FOLDER DATABASE.wdb TRACK OUTPUT
#include "core/block_codes.h"
#include "core/frm_worm.h"
#include "core/worm_play.h"
#include "platform/scripted/scripted_platform.h"
#include "shell/running_game.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <deque>
#include <optional>
#include <set>
#include <vector>

namespace {

constexpr std::array<KeypadKey, DirectionCount> DirectionKeys{
    KeypadKey::UpLeft,    KeypadKey::Up,       KeypadKey::UpRight, KeypadKey::Right,
    KeypadKey::DownRight, KeypadKey::Down,     KeypadKey::DownLeft, KeypadKey::Left};
constexpr std::array<const char*, DirectionCount> KeyNames{
    "UpLeft", "Up", "UpRight", "Right", "DownRight", "Down", "DownLeft", "Left"};

struct Hold {
  std::int64_t From;
  std::int64_t Until;
  Direction Way;
};

// Cells the pilot drives over: no cost, no jump, no turn of the controls.
bool Drivable(BlockCode code, BlockCode ground) {
  if (ground == Blocks::Water || ground == Blocks::Lava || ground == Blocks::Reverse) return false;
  switch (ClassOf(code)) {
    case BlockClass::Ground:
    case BlockClass::Food:
    case BlockClass::SoftWall: return true;
    case BlockClass::Item: return code != Blocks::Mushroom && code != Blocks::Spinner;
    case BlockClass::PlayOnly: return code != Blocks::ExitFlash;
    default: return false;
  }
}

// The scripted platform with a pilot looking at the play copy at every wait.
class PilotPlatform : public ScriptedPlatform {
 public:
  void WaitFor(int ms) override {
    if (form) Steer();
    ScriptedPlatform::WaitFor(ms);
  }

  frmWorm* form = nullptr;
  std::vector<Hold> holds;

 private:
  std::set<std::pair<int, int>> Covered() const {
    std::set<std::pair<int, int>> cells;
    const TrackRecord& copy = form->Database.PlayCopy();
    for (int x = 1; x <= GroundWidth; ++x)
      for (int y = 1; y <= GroundHeight; ++y)
        if (IsWormBody(copy.Blocks[BlockIndex(x, y)])) cells.insert({x, y});
    return cells;
  }

  void Steer() {
    const std::set<std::pair<int, int>> covered = Covered();
    std::optional<CellPosition> head;
    for (const auto& cell : covered)
      if (!covered_.contains(cell)) head = CellPosition{cell.first, cell.second};
    covered_ = covered;
    if (!head) return;
    const std::optional<Direction> way = FirstStepToTarget(*head);
    if (!way || (!holds.empty() && holds.back().Until == Never && holds.back().Way == *way)) return;
    if (!holds.empty() && holds.back().Until == Never) {
      holds.back().Until = Now;
      SetKeyHeld(DirectionKeys[holds.back().Way], false);
    }
    holds.push_back({Now, Never, *way});
    HoldKey(DirectionKeys[*way], Now);
  }

  bool IsTarget(BlockCode code, bool foodLeft) const {
    return foodLeft ? IsFoodCode(code) : code == Blocks::OpenExit;
  }

  // Breadth-first search over the eight neighbours.
  std::optional<Direction> FirstStepToTarget(CellPosition head) const {
    const TrackRecord& copy = form->Database.PlayCopy();
    bool foodLeft = false;
    for (int x = 1; x <= GroundWidth; ++x)
      for (int y = 1; y <= GroundHeight; ++y)
        foodLeft = foodLeft || IsFoodCode(copy.Blocks[BlockIndex(x, y)]);
    std::array<int, TrackWidth * TrackHeight> firstStep;
    firstStep.fill(-1);
    std::deque<CellPosition> queue;
    for (Direction d = 0; d < DirectionCount; ++d) {
      const CellPosition next = StepPosition(d, head);
      if (!Enterable(copy, next) || firstStep[BlockIndex(next.X, next.Y)] >= 0) continue;
      firstStep[BlockIndex(next.X, next.Y)] = d;
      queue.push_back(next);
    }
    while (!queue.empty()) {
      const CellPosition cell = queue.front();
      queue.pop_front();
      const int way = firstStep[BlockIndex(cell.X, cell.Y)];
      if (IsTarget(copy.Blocks[BlockIndex(cell.X, cell.Y)], foodLeft))
        return static_cast<Direction>(way);
      for (Direction d = 0; d < DirectionCount; ++d) {
        const CellPosition next = StepPosition(d, cell);
        if (!Enterable(copy, next) || firstStep[BlockIndex(next.X, next.Y)] >= 0) continue;
        firstStep[BlockIndex(next.X, next.Y)] = way;
        queue.push_back(next);
      }
    }
    return std::nullopt;
  }

  static bool Enterable(const TrackRecord& copy, CellPosition cell) {
    if (cell.X < 1 || cell.X > GroundWidth || cell.Y < 1 || cell.Y > GroundHeight) return false;
    return Drivable(copy.Blocks[BlockIndex(cell.X, cell.Y)], copy.Ground[GroundIndex(cell.X, cell.Y)]);
  }

  std::set<std::pair<int, int>> covered_;
};

bool LoadSheets(frmWorm& form) {
  form.CellSize = 12;
  form.WormSheetCols = 8;
  form.WormSheetRows = 36;
  form.BlockSheetCols = 10;
  form.BlockSheetRows = 6;
  form.WormCellWidth = form.WormCellHeight = form.BlockCellWidth = form.BlockCellHeight = 12;
  if (!form.picWormClip.LoadPicture(form.PicturePath + "WormClip.gif") ||
      !form.picBuildClip.LoadPicture(form.PicturePath + "BuildClip.gif"))
    return false;
  form.WormSheetDC = &form.picWormClip.Dc();
  form.BlockSheetDC = &form.picBuildClip.Dc();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER DATABASE.wdb TRACK OUTPUT\n", argv[0]);
    return 2;
  }
  PilotPlatform platform;
  frmWorm form(platform);
  form.PicturePath = QString::fromLocal8Bit(argv[1]) + "/Picture/";
  form.SoundPath = QString::fromLocal8Bit(argv[1]) + "/Sound/";
  const int track = std::atoi(argv[3]);
  const DatabaseFileResult read = ReadDatabaseFile(QString::fromLocal8Bit(argv[2]), form.Database);
  if (!read.Ok || !LoadSheets(form) || track < 1 || track > form.Database.TrackCount) {
    std::fprintf(stderr, "cannot load the database, its track or the sprite sheets\n");
    return 1;
  }
  form.picPlayField.Move(2, 36, 636, 444);
  form.NewGame = true;
  platform.form = &form;
  RunningGame game;
  const TrackResult result = WormPlay(form, static_cast<std::uint8_t>(track), game);
  QFile out(QString::fromLocal8Bit(argv[4]));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) return 1;
  QTextStream text(&out);
  text << "# Keys held while track " << track << " is played to result " << int(result)
       << ", on the scripted clock (ms) with its fixed seed.\n";
  text << "# from until key\n";
  for (const Hold& hold : platform.holds)
    text << hold.From << ' ' << (hold.Until == ScriptedPlatform::Never ? platform.Now : hold.Until)
         << ' ' << KeyNames[hold.Way] << '\n';
  std::printf("result %d after %lld ms, %zu key holds\n", int(result),
              static_cast<long long>(platform.Now), platform.holds.size());
  return result == TrackFinished ? 0 : 1;
}
