#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/harness/pen.h"
#include "tests/e2e/harness/session.h"

namespace veskaro::e2e {

// A test that runs the program; a failed one leaves a screenshot in the build
// folder and shows what the program wrote to standard error.
template <class Base>
class WithProgram : public Base {
 protected:
  // Starts the program and, unless it is expected to fail first, waits for
  // its main window.
  Session& Start(const SessionOptions& options = {}, bool waitForWindow = true) {
    session_ = std::make_unique<Session>(options);
    pen_ = std::make_unique<Pen>(*session_);
    if (waitForWindow) session_->WaitForMainWindow();
    return *session_;
  }

  void TearDown() override {
    if (Base::HasFailure() && session_) session_->SaveEvidence(ScreenshotPath());
  }

  Session& session() { return *session_; }
  Pen& pen() { return *pen_; }

 private:
  static std::string ScreenshotPath() {
    const ::testing::TestInfo* test =
        ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    return std::string(VESKARO_E2E_SCREENSHOTS) + "/" + name + ".ppm";
  }

  std::unique_ptr<Session> session_;
  std::unique_ptr<Pen> pen_;
};

using ProgramTest = WithProgram<::testing::Test>;
template <class Param>
using ProgramTestWithParam = WithProgram<::testing::TestWithParam<Param>>;

}  // namespace veskaro::e2e
