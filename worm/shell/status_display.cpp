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
      lblKey[item].SetCaption(QString::number(Resources.Keys[item - 1]));
      break;
    case StatusShield:
      pgbShield.Value = Resources.Shield;
      break;
    case StatusLives:
      lblLives.SetCaption(QString::number(Resources.Lives));
      break;
    case StatusBreaks:
      pgbBreak.Value = Resources.Breaks;
      break;
    case StatusHiddenBonus:
      lblBonus.SetCaption(QString::number(Resources.HiddenBonusLeft));
      break;
    default:
      break;
  }
}
