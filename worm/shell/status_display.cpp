#include "shell/status_display.h"

#include "core/frm_worm.h"

void frmWorm::Display(std::int16_t show) {
  const bool visible = show != 0;
  for (Label* label : {&lblKey[1], &lblKey[2], &lblKey[3], &lblLives, &lblBonus})
    label->Visible = visible;
  pgbShield.Visible = visible;
  pgbBreak.Visible = visible;
}

void frmWorm::UpdateStatus(std::uint8_t item) {
  switch (item) {
    case StatusYellowKeys:
    case StatusRedKeys:
    case StatusPurpleKeys:
      lblKey[item].SetCaption(QString::number(Play.Keys[item - 1]));
      break;
    case StatusShield:
      pgbShield.Value = Play.Shield;
      break;
    case StatusLives:
      lblLives.SetCaption(QString::number(Play.Lives));
      break;
    case StatusBreaks:
      pgbBreak.Value = Play.Breaks;
      break;
    case StatusHiddenBonus:
      lblBonus.SetCaption(QString::number(Play.HiddenBonusLeft));
      break;
    default:
      break;
  }
}
