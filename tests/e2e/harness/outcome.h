#pragma once

// Before Xlib, whose None macro would break gtest's own None.
#include <gtest/gtest.h>

#include "tests/e2e/harness/image.h"
#include "tests/e2e/harness/pen.h"
#include "tests/e2e/harness/session.h"

namespace veskaro::e2e {

enum class Clicked { Nothing, Clear, Play };

// Checks, on the canvas, which button the input just clicked, given the
// drawing as it was before: a replay wipes and redraws the same picture, a
// clear leaves it white also once the program is idle again, and nothing
// leaves the drawing as it was until then. Reports through gtest.
void ExpectClicked(Session& session, Pen& pen, const Image& drawing, Clicked button);

}  // namespace veskaro::e2e
