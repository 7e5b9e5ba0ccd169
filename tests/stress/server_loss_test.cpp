// The X server dies under the program, idle or in the middle of a replay:
// the program says so on standard error and ends with a non-zero exit code
// of its own, neither hanging nor dying of a signal (which would dump core).
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_process.h"
#include "tests/e2e/harness/xvfb_server.h"
#include "tests/stress/driver.h"

namespace veskaro::e2e::stress {
namespace {

struct LossCase {
  const char* name;
  bool replaying;
};

void PrintTo(const LossCase& c, std::ostream* out) { *out << c.name; }

class ServerLossTest : public ::testing::TestWithParam<LossCase> {};

TEST_P(ServerLossTest, ProgramReportsTheLostDisplayAndExitsNonZero) {
  XvfbServer server;
  ProgramProcess program(VESKARO_E2E_PROGRAM, server.display());
  {
    // The test's own connection goes before the server does.
    XDisplay x(server.display());
    Input input(x);
    const Window main = WaitForMainWindow(x);
    if (GetParam().replaying) {
      Stroke(x, input, main, Zigzag(400));
      const int ink = CaptureCanvas(x, main).Count(kBlack);
      ClickAt(x, input, main, layout::Centre(layout::kPlay));
      ASSERT_TRUE(WaitUntil([&] {
        const int now = CaptureCanvas(x, main).Count(kBlack);
        return now > 0 && now < ink / 2;
      })) << "the replay was never seen half-way";
    }
  }
  KillXServer();
  const std::optional<int> code = program.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the program hangs after losing its server";
  EXPECT_NE(*code, 0);
  EXPECT_LT(*code, 128) << "the program died of signal " << *code - 128;
  EXPECT_NE(program.Errors().find("lost the connection to the X display"),
            std::string::npos)
      << "standard error: " << program.Errors();
}

INSTANTIATE_TEST_SUITE_P(Moments, ServerLossTest,
                         ::testing::Values(LossCase{"Idle", false},
                                           LossCase{"DuringReplay", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veskaro::e2e::stress
