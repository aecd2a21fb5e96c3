#pragma once

namespace zorkan {

// The PWM state of the page; not part of the model nor of any profile.
struct DirectControl {
  int controlWord = 0;  // 0: the instrument sets the PWM; 1 or 2: manual duty on relay 1 or 2
  int duty = 0;         // per cent
  // The instrument took the last control word sent; before the first there is nothing to doubt.
  bool wordTaken = true;
  // `duty` is what the instrument holds: read from it or written to it in this run.
  bool dutyKnown = false;
};

}  // namespace zorkan
