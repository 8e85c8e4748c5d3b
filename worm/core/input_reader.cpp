#include "core/input_reader.h"

#include "core/frm_worm.h"

bool InputSample::Fire() const { return JoyFire(Joy) || Keys.Fire; }

bool InputSample::Left() const { return Stick.Left || Keys.Left; }

bool InputSample::Right() const { return Stick.Right || Keys.Right; }

bool InputSample::Up() const { return Stick.Up || Keys.Up; }

bool InputSample::Down() const { return Stick.Down || Keys.Down; }

bool InputSample::Released() const { return Joy.Buttons == 0 && !Keys.Fire; }

InputReader::InputReader(frmWorm& form) : form_(form) {}

const InputSample& InputReader::Next() {
  form_.YieldToEvents();
  return Sample();
}

const InputSample& InputReader::Sample() {
  ReadJoyState(form_.System, sample_.Joy);
  PollKeypad(form_.System, sample_.Keys);
  sample_.Stick = StickFrom(sample_.Joy, form_.JoyCentreX, form_.JoyCentreY);
  return sample_;
}
