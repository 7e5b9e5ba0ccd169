#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "tests/e2e/harness/geometry.h"
#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e {

// Real input through the XTEST extension, as a mouse and a keyboard give it:
// the server routes it, timestamps it and marks it as not sent by a client.
// Each call ends with a round trip, unless a Batch holds the calls together.
class Input {
 public:
  explicit Input(const XDisplay& display);

  void MoveTo(Point onScreen);
  void Press(unsigned button = Button1);
  void Release(unsigned button = Button1);
  void KeyDown(KeySym key);
  void KeyUp(KeySym key);
  // Presses the key with the modifiers (e.g. XK_Shift_L) held.
  void Tap(KeySym key, const std::vector<KeySym>& modifiers = {});

  // The calls made while a Batch lives reach the server in one write, so the
  // server stamps them with (nearly) the same time.
  class Batch {
   public:
    explicit Batch(Input& input) : input_(input) { ++input_.batches_; }
    ~Batch() {
      if (--input_.batches_ == 0) input_.display_.Sync();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Input& input_;
  };

 private:
  void Done() const;
  KeyCode Code(KeySym key) const;

  const XDisplay& display_;
  int batches_ = 0;
};

}  // namespace veskaro::e2e
