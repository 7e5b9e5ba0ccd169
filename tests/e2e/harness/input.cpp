#include "tests/e2e/harness/input.h"

#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace veskaro::e2e {

Input::Input(const XDisplay& display) : display_(display) {
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display.get(), &event, &error, &major, &minor)) {
    throw std::runtime_error("the X server has no XTEST extension");
  }
}

void Input::MoveTo(Point p) {
  XTestFakeMotionEvent(display_.get(), -1, p.x, p.y, CurrentTime);
  Done();
}

void Input::Press(unsigned button) {
  XTestFakeButtonEvent(display_.get(), button, True, CurrentTime);
  Done();
}

void Input::Release(unsigned button) {
  XTestFakeButtonEvent(display_.get(), button, False, CurrentTime);
  Done();
}

void Input::KeyDown(KeySym key) {
  XTestFakeKeyEvent(display_.get(), Code(key), True, CurrentTime);
  Done();
}

void Input::KeyUp(KeySym key) {
  XTestFakeKeyEvent(display_.get(), Code(key), False, CurrentTime);
  Done();
}

void Input::Tap(KeySym key, const std::vector<KeySym>& modifiers) {
  Batch together(*this);
  for (const KeySym m : modifiers) KeyDown(m);
  KeyDown(key);
  KeyUp(key);
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) KeyUp(*m);
}

void Input::Done() const {
  if (batches_ == 0) display_.Sync();
}

KeyCode Input::Code(KeySym key) const {
  const KeyCode code = XKeysymToKeycode(display_.get(), key);
  if (code == 0) throw std::runtime_error("no key gives keysym " + std::to_string(key));
  return code;
}

}  // namespace veskaro::e2e
