#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/event_codes.h"
#include "core/game_state.h"
#include "core/resource_ids.h"
#include "core/window_slots.h"
#include "tests/qt_application.h"
#include "ui/dialog_events.h"
#include "ui/dialog_wrappers.h"
#include "ui/message_box.h"

namespace {

template <typename Control>
Control* ControlOf(QWidget* dialog, int id) {
  return dialog->findChild<Control*>(QString::number(id));
}

class DialogsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  void SetUp() override {
    ClearWindowSlots();
    gameState = GameState{};
  }
  // No dialog leaves its slot taken.
  void TearDown() override {
    for (const WindowSlot& slot : windowSlots) EXPECT_EQ(slot.id, -1);
  }
};

TEST_F(DialogsTest, BestScoreOfAFreshInstallation) {
  QStringList shown;
  QString caption;
  OnNextModal([&](QWidget* dialog) {
    ASSERT_NE(dialog, nullptr);
    caption = dialog->windowTitle();
    const int slot = FindWindowSlot(DIALOG_BEST_SCORE);
    for (int id = IDC_BEST_SCORE_0; id < IDC_BEST_LEVEL_0 + 3; ++id)
      shown << GetControlText(slot, id);
    QTest::mouseClick(ControlOf<QPushButton>(dialog, IDC_OK), Qt::LeftButton);
  });
  ShowBestScoreDialog(-1);
  EXPECT_EQ(caption, "Best score");
  EXPECT_EQ(shown, (QStringList{"0000000", "0000000", "0000000", "000", "000", "000"}));
}

// As in the about box's default button, Return presses the focused "Ok".
TEST_F(DialogsTest, BestScoreEndsWithReturnOnItsButton) {
  bool ended = false;
  OnNextModal([&](QWidget* dialog) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    QWidget* focused = dialog->focusWidget();
    EXPECT_EQ(focused, ControlOf<QPushButton>(dialog, IDC_OK));
    QTest::keyClick(focused ? focused : dialog, Qt::Key_Return);
    ended = !dialog->isVisible();
    if (!ended) dialog->close();
  });
  ShowBestScoreDialog(-1);
  EXPECT_TRUE(ended);
}

TEST_F(DialogsTest, BestScoreShowsWideNumbersInFull) {
  gameState.bestScores[0] = 12345678;
  gameState.bestLevels[0] = 1234;
  gameState.bestScores[1] = 120;
  gameState.bestLevels[1] = 1;
  QStringList shown;
  OnNextModal([&](QWidget* dialog) {
    for (int offset : {0, 3, 1, 4})
      shown << ControlOf<QLabel>(dialog, IDC_BEST_SCORE_0 + offset)->text();
    dialog->close();
  });
  ShowBestScoreDialog(-1);
  EXPECT_EQ(shown, (QStringList{"12345678", "1234", "0000120", "001"}));
}

TEST_F(DialogsTest, OptionsSelectsTheSpeedAndCloseBoxKeepsTheChoice) {
  gameState.speed = 1;
  bool normalSelected = false;
  OnNextModal([&](QWidget* dialog) {
    normalSelected = ControlOf<QRadioButton>(dialog, IDC_SLOW + 1)->isChecked();
    QTest::mouseClick(ControlOf<QRadioButton>(dialog, IDC_SLOW + 2), Qt::LeftButton);
    dialog->close();
  });
  ShowOptionsDialog(-1);
  EXPECT_TRUE(normalSelected);
  EXPECT_EQ(gameState.speed, 2);
}

TEST_F(DialogsTest, OptionsOkTakesTheChoiceEscapeDoesNotClose) {
  gameState.speed = 2;
  bool openAfterEscape = false;
  OnNextModal([&](QWidget* dialog) {
    QTest::mouseClick(ControlOf<QRadioButton>(dialog, IDC_SLOW), Qt::LeftButton);
    QTest::keyClick(dialog, Qt::Key_Escape);
    openAfterEscape = dialog->isVisible();
    QTest::mouseClick(ControlOf<QPushButton>(dialog, IDC_OK), Qt::LeftButton);
  });
  ShowOptionsDialog(-1);
  EXPECT_TRUE(openAfterEscape);
  EXPECT_EQ(gameState.speed, 0);
}

TEST_F(DialogsTest, AboutBoxEndsWithItsButton) {
  QString caption;
  OnNextModal([&](QWidget* dialog) {
    caption = dialog->windowTitle();
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  ShowAboutDialog(-1);
  EXPECT_EQ(caption, "About ZORBIX");
}

TEST_F(DialogsTest, FullSlotTableShowsNoDialog) {
  static const EventRow none[] = {{EV_PAINT, 0, [](int, const EventPoint*) {}}};
  for (int id = 1; id <= WINDOW_SLOT_COUNT; ++id) ASSERT_EQ(RegisterEvents(id, 1, none, 0), 0);
  bool shown = false;
  OnNextModal([&](QWidget* dialog) {
    shown = dialog != nullptr;
    if (dialog) dialog->close();
  });
  ShowOptionsDialog(-1);
  QApplication::processEvents();
  EXPECT_FALSE(shown);
  ClearWindowSlots();
}

TEST_F(DialogsTest, MessageBoxCaptionsAndFormattedString) {
  const struct {
    char type;
    QString caption;
    QMessageBox::Icon icon;
    bool okFromOk;
  } cases[] = {{'e', "Erreur", QMessageBox::Critical, true},
               {'C', "Attention", QMessageBox::Critical, true},
               {'I', "Information", QMessageBox::Information, true},
               {'w', "Attention", QMessageBox::Critical, true},
               {'x', "", QMessageBox::Critical, true}};
  for (const auto& c : cases) {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    OnNextModal([&](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      ASSERT_NE(box, nullptr);
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    EXPECT_TRUE(MessageBoxById(-1, STRING_CANNOT_OPEN, "ZORBWARP.DEC", 0, c.type));
    EXPECT_EQ(caption, c.caption) << c.type;
    EXPECT_EQ(text, "Impossbile d'ouvir le fichier ZORBWARP.DEC");
    EXPECT_EQ(icon, c.icon) << c.type;
  }
}

TEST_F(DialogsTest, QuestionBoxCancelledGivesFalse) {
  OnNextModal([](QWidget* widget) {
    qobject_cast<QMessageBox*>(widget)->button(QMessageBox::Cancel)->click();
  });
  EXPECT_FALSE(MessageBoxById(-1, STRING_CANNOT_OPEN, "x", 0, 'c'));
}

}  // namespace
