#include "shell/status_display.h"

#include "core/frm_worm.h"

void Display(frmWorm& form, std::int16_t show) {
  const bool visible = show != 0;
  for (Label* label :
       {&form.lblKey[1], &form.lblKey[2], &form.lblKey[3], &form.lblLives, &form.lblBonus})
    label->Visible = visible;
  form.pgbShield.Visible = visible;
  form.pgbBreak.Visible = visible;
}

void UpdateStatus(frmWorm& form, const StatusValues& values, std::uint8_t item) {
  switch (item) {
    case StatusYellowKeys:
    case StatusRedKeys:
    case StatusPurpleKeys:
      form.lblKey[item].SetCaption(QString::number(values.Keys[item - 1]));
      break;
    case StatusShield:
      form.pgbShield.Value = values.Shield;
      break;
    case StatusLives:
      form.lblLives.SetCaption(QString::number(values.Lives));
      break;
    case StatusBreaks:
      form.pgbBreak.Value = values.Breaks;
      break;
    case StatusHiddenBonus:
      form.lblBonus.SetCaption(QString::number(values.HiddenBonusLeft));
      break;
    default:
      break;
  }
}
