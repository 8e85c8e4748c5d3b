#include "shell/high_score_screen.h"

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"
#include "core/wipe_screen.h"
#include "shell/choice_screen.h"
#include "shell/high_score_table.h"
#include "shell/write_text.h"

#include <optional>

namespace {

// The selector runs over the first 32 characters of the font; 0 is none.
constexpr int NoCharacter = 0;
constexpr int SelectableCount = 32;
constexpr int RubOut = 31;      // "#"
constexpr int EndOfEntry = 32;  // "%"

constexpr int RankLeft = 70;
constexpr int ScoreLeft = 530;
constexpr int CentredLeft = 0;
constexpr int BlockLeft = 310;
constexpr int BlockWidth = 23;
constexpr int BlockHeight = 40;
constexpr int BlockTextInset = 3;

constexpr int StepMs = 150;
constexpr int ShownMs = 4500;
constexpr int AfterEntryMs = 100;

const QString Caption = QStringLiteral("The Vora");

std::int16_t RowTop(int entry) { return static_cast<std::int16_t>(10 + 38 * entry); }

// One showing of the table, with the entry of a name when there is one.
class HighScoreShow {
 public:
  HighScoreShow(frmWorm& form, HighScoreTable& table) : form_(form), table_(table), input_(form) {}

  void ShowTable() {
    PrepareFullScreen(form_, QStringLiteral("HighScore.jpg"), QStringLiteral("FontClip.gif"));
    for (int entry = 1; entry <= HighScoreCount; ++entry) WriteRow(entry);
    WipeInFullScreen(form_);
  }

  // Entry k (1..10) gets its PlayerName from the player.
  void EnterName(int entry) {
    entry_ = entry;
    PictureBox& block = form_.picMisc;
    block.Move(BlockLeft, 38 * entry + 7, BlockWidth, BlockHeight);
    block.LoadPicture(form_.PicturePath + QStringLiteral("FontBlock.gif"));
    block.SetVisible(true);
    ShowChosenCharacter();
    form_.PlaySoundEffect(SoundFanfare2);
    form_.WaitMs(ShownMs);
  }

  void PlayTune() {
    form_.System.MidiFileName(form_.SoundPath + QStringLiteral("High.Mid"));
    form_.MusicCommand(QStringLiteral("Play"));
  }

  void RunEntry() {
    bool ended = false;
    while (!ended) {
      const InputSample sample = input_.Sample();
      bool waited = Step(sample);
      if (sample.Fire()) {
        ended = TakeChoice();
        WaitUntilReleased(input_);
        waited = true;
      }
      form_.MusicCommand(QStringLiteral("Check"));
      if (!waited) form_.YieldToEvents();
    }
    form_.WaitMs(AfterEntryMs);
  }

  void WaitForTheItem() {
    WaitUntilReleased(input_);
    form_.picMisc.SetVisible(false);
    form_.picMiscClip.LoadPicture(form_.PicturePath + QStringLiteral("HighScoreClip.jpg"));
    form_.PlaySoundEffect(SoundPip);
    HighlightItem(form_, ScreenHighScore, 1);
    WaitForFireWithMusic(form_, input_);
    FlashChoice(form_, ScreenHighScore, 1, 3);
  }

  void Leave() {
    WipeScreen(form_, false, ScreenMain);
    form_.picDummy.ClearPicture();
    form_.picMiscClip.ClearPicture();
    form_.picMisc.ClearPicture();
    form_.picMisc.Move(182, 380, 81, 33);
    PictureBox& playField = form_.picPlayField;
    playField.SetVisible(false);
    playField.ClearPicture();
    playField.Move(98, 416, 81, 33);
    form_.MusicCommand(QStringLiteral("Stop"));
  }

 private:
  QString& Name() { return table_[entry_ - 1].PlayerName; }

  void WriteRow(int entry) {
    const HighScoreEntry& line = table_[entry - 1];
    Surface& dummy = *form_.DummyDC;
    WriteText(form_, false, dummy, RankLeft, RowTop(entry), QString::number(entry));
    WriteText(form_, false, dummy, CentredLeft, RowTop(entry), line.PlayerName);
    WriteText(form_, false, dummy, ScoreLeft, RowTop(entry), QString::number(line.Score));
  }

  // Left or right moves the selector with wrap-around; true when it did
  // (and so waited).
  bool Step(const InputSample& sample) {
    if (sample.Left())
      selector_ = selector_ <= 1 ? SelectableCount : selector_ - 1;
    else if (sample.Right())
      selector_ = selector_ >= SelectableCount ? 1 : selector_ + 1;
    else
      return false;
    ShowChosenCharacter();
    form_.WaitMs(StepMs);
    return true;
  }

  QString ChosenCharacter() const {
    if (selector_ == NoCharacter) return {};
    return form_.FontCharset.mid(selector_ - 1, 1);
  }

  // The block repainted with the chosen character in it.
  void ShowChosenCharacter() {
    PictureBox& block = form_.picMisc;
    block.Refresh();
    WriteText(form_, false, block.Screen(), BlockTextInset, BlockTextInset, ChosenCharacter());
  }

  // The name as it is now, centred on its row with the block behind it.
  void ShowName() {
    WriteText(form_, true, PlayFieldDc(form_), CentredLeft, RowTop(entry_), Name());
  }

  // Fire on the chosen character; true when the entry ends.
  bool TakeChoice() {
    if (selector_ == RubOut) {
      if (!Name().isEmpty()) {
        form_.PlaySoundEffect(SoundRemove);
        Name().chop(1);
        ShowName();
      }
      return false;
    }
    if (selector_ == EndOfEntry) {
      form_.PlaySoundEffect(SoundStamp);
      form_.picMisc.SetVisible(false);
      WriteText(form_, false, *form_.DummyDC, CentredLeft, RowTop(entry_), Name());
      form_.picPlayField.SetPicture(form_.DummyDC->Image());
      return true;
    }
    if (Name().size() < MaxPlayerNameLength) {
      form_.PlaySoundEffect(SoundStamp);
      Name() += ChosenCharacter();
      ShowName();
    }
    return false;
  }

  frmWorm& form_;
  HighScoreTable& table_;
  InputReader input_;
  int entry_ = 0;
  int selector_ = NoCharacter;
};

void TellWriteFailed(frmWorm& form, const QString& problem) {
  form.System.ShowCursor(true);
  form.System.MessageBox(QStringLiteral("The high scores were not saved. %1").arg(problem), Caption,
                         MessageButtons::Ok, MessageIcon::Exclamation);
  form.System.ShowCursor(false);
}

}  // namespace

void HighScoreScreen(frmWorm& form, std::uint8_t mode, const QString& chosenDatabase,
                     std::uint8_t score) {
  const QString path = form.TrackPath + chosenDatabase + QStringLiteral(".whs");
  HighScoreTable table = ReadHighScoreFile(path);
  const bool entering = mode == HighScoreEntryMode;
  std::optional<int> place;
  if (entering) {
    place = InsertScore(table, score);
    if (!place) return;
  }
  HighScoreShow show(form, table);
  show.ShowTable();
  if (entering) show.EnterName(*place + 1);
  show.PlayTune();
  if (entering) show.RunEntry();
  show.WaitForTheItem();
  show.Leave();
  if (!entering) {
    form.tmrMainMenu.SetEnabled(true);
    return;
  }
  const QString problem = WriteHighScoreFile(path, table);
  if (!problem.isEmpty()) TellWriteFailed(form, problem);
}
