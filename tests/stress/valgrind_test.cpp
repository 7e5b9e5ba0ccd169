// One session of the real program inside valgrind's memcheck: draw, play,
// clear, draw, Esc. It must end with exit code 0, which the wrapper turns to
// 99 on any memory error and on any block definitely or indirectly lost.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/pen.h"
#include "tests/e2e/harness/program_process.h"
#include "tests/e2e/harness/temp_dir.h"
#include "tests/e2e/harness/xvfb_server.h"
#include "tests/stress/driver.h"

namespace veskaro::e2e::stress {
namespace {

using namespace std::chrono_literals;

// Under memcheck the program runs some twenty times slower.
constexpr std::chrono::milliseconds kSlow = 120s;

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ValgrindTest, DrawPlayClearDrawEscLeavesNoErrorAndNothingLost) {
  TempDir folder;
  const std::filesystem::path log = folder.path() / "memcheck.log";
  XvfbServer server;
  ProgramProcess program(VESKARO_STRESS_VALGRIND_WRAPPER, server.display(),
                         {{"VESKARO_VALGRIND_PROGRAM", VESKARO_E2E_PROGRAM},
                          {"VESKARO_VALGRIND_LOG", log.string()}});
  {
    XDisplay x(server.display());
    Input input(x);
    const Window main = WaitForMainWindow(x, {}, kSlow);
    const Path path = Line({40, 60}, {400, 160}, 20);
    Stroke(x, input, main, path);
    const Image drawn = CaptureCanvas(x, main);
    ClickAt(x, input, main, layout::Centre(layout::kPlay));
    bool wiped = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
          if (CaptureCanvas(x, main).Differences(drawn) == 0) return wiped;
          wiped = true;
          return false;
        },
        kSlow))
        << "the replay never came back to the drawing";
    ClickAt(x, input, main, layout::Centre(layout::kClear));
    ASSERT_TRUE(WaitUntil([&] { return CaptureCanvas(x, main).All(kWhite); }, kSlow));
    Stroke(x, input, main, Line({40, 200}, {400, 200}, 40));
    input.Tap(XK_Escape);
  }
  const std::optional<int> code = program.WaitForExit(kSlow);
  const std::string report = Read(log);
  ASSERT_TRUE(code.has_value()) << "the program did not end after Esc";
  EXPECT_EQ(*code, 0) << report;
  EXPECT_NE(report.find("ERROR SUMMARY: 0 errors"), std::string::npos) << report;
}

}  // namespace
}  // namespace veskaro::e2e::stress
