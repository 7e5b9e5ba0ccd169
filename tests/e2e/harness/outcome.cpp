#include "tests/e2e/harness/outcome.h"

#include <gtest/gtest.h>

#include "tests/e2e/harness/wait.h"

namespace veskaro::e2e {

namespace {

void ExpectCleared(Session& s, Pen& pen) {
  ASSERT_TRUE(WaitUntil([&] { return s.CaptureCanvas().All(kWhite); }))
      << "the canvas was not cleared";
  pen.Fence();
  EXPECT_TRUE(s.CaptureCanvas().All(kWhite, Pen::kDrawingArea))
      << "the canvas was drawn again: a replay, not a clear";
}

void ExpectReplayed(Session& s, const Image& drawing) {
  bool wiped = false;
  const bool back = WaitUntil([&] {
    const int differences = s.CaptureCanvas().Differences(drawing);
    wiped = wiped || differences > 0;
    return wiped && differences == 0;
  });
  EXPECT_TRUE(wiped) << "the canvas never changed: no replay";
  EXPECT_TRUE(back) << "the drawing did not come back: a clear, not a replay";
}

void ExpectUntouched(Session& s, Pen& pen, const Image& drawing) {
  EXPECT_TRUE(pen.FenceWhile([&] {
    return s.CaptureCanvas().Differences(drawing, Pen::kDrawingArea) == 0;
  })) << "the drawing changed: a button was clicked or something drawn";
}

}  // namespace

void ExpectClicked(Session& session, Pen& pen, const Image& drawing, Clicked button) {
  switch (button) {
    case Clicked::Nothing:
      return ExpectUntouched(session, pen, drawing);
    case Clicked::Clear:
      return ExpectCleared(session, pen);
    case Clicked::Play:
      return ExpectReplayed(session, drawing);
  }
}

}  // namespace veskaro::e2e
