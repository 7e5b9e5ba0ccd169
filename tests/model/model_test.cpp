// The real dispatcher, recorder and timer against the reference model over long
// random sessions. A failure names its seed and event; VESKARO_MODEL_SEED=S runs
// that seed alone, VESKARO_MODEL_EVENTS=N sets the events per seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "random_session.h"
#include "twin.h"

namespace veskaro::model {
namespace {

std::vector<std::uint64_t> Seeds() {
  const char* seed = std::getenv("VESKARO_MODEL_SEED");
  if (seed != nullptr && *seed != '\0') return {std::strtoull(seed, nullptr, 0)};
  return {1, 2, 3};
}

std::int64_t EventsPerSeed() {
  const char* events = std::getenv("VESKARO_MODEL_EVENTS");
  if (events != nullptr && *events != '\0') return std::strtoll(events, nullptr, 0);
  return 1'000'000;
}

// How often the session met the situations that matter, so that a generator
// that drifts away from them is noticed.
struct Coverage {
  std::int64_t playbacksEnded = 0, playsMidStroke = 0, clearsMidStroke = 0,
               clearsMidPlayback = 0, replaysMidPlayback = 0, ticksWhileStopped = 0,
               raisedWhileSuspended = 0, createdAgain = 0, longestRecording = 0;

  // What Count needs of the model before an input.
  struct Before {
    int mode;
    bool running;
    std::int32_t suspension;
  };
  static Before Of(const ReferenceModel& m) { return {m.mode, m.running, m.suspension}; }
  void Count(Before b, const Input& in, const ReferenceModel& a);
};

void Coverage::Count(Before b, const Input& in, const ReferenceModel& a) {
  const bool delivered = in.kind == Input::Raise && b.suspension == 0;
  const bool tick = in.element == Element::Clock1 && in.event == EventKind::Tick;
  const bool click = in.event == EventKind::Clicked;
  const bool play = delivered && click && in.element == Element::Button2;
  const bool clear = delivered && click && in.element == Element::Button1;
  const bool drawing = b.mode == ReferenceModel::kDrawing;
  playbacksEnded += b.running && !a.running && !clear;
  playsMidStroke += play && drawing;
  clearsMidStroke += clear && drawing;
  clearsMidPlayback += clear && b.running;
  replaysMidPlayback += play && b.running;
  ticksWhileStopped += delivered && tick && !b.running;
  raisedWhileSuspended += in.kind == Input::Raise && b.suspension > 0;
  createdAgain += delivered && in.event == EventKind::Created &&
                  in.element == Element::MainWindow && b.mode != ReferenceModel::kReady;
  longestRecording = std::max<std::int64_t>(longestRecording, a.recording.size());
}

class ModelTest : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(ModelTest, RealStackMatchesTheReferenceModelAfterEveryEvent) {
  const std::uint64_t seed = GetParam();
  const std::int64_t events = EventsPerSeed();
  Twin twin;
  RandomSession session(seed);
  Coverage seen;
  std::array<Input, 8> recent{};  // the inputs before a mismatch, for the report
  for (std::int64_t i = 0; i < events; ++i) {
    const Input in = session.Next();
    recent[i % recent.size()] = in;
    const Coverage::Before before = Coverage::Of(twin.reference());
    const std::string diff = twin.Apply(in);
    if (!diff.empty()) {
      std::string context;
      for (std::int64_t j = std::max<std::int64_t>(0, i - 7); j < i; ++j) {
        context +=
            "  #" + std::to_string(j) + " " + ToString(recent[j % recent.size()]) + "\n";
      }
      FAIL() << "seed " << seed << ", event " << i << ": " << ToString(in) << "\n"
             << diff << "events before it:\n"
             << context << "replay: VESKARO_MODEL_SEED=" << seed
             << " VESKARO_MODEL_EVENTS=" << i + 1;
    }
    seen.Count(before, in, twin.reference());
  }
  EXPECT_EQ(twin.Finish(), "") << "seed " << seed << ", at the end";
  std::printf(
      "seed %llu: %lld events; playbacks ended %lld, plays mid-stroke %lld, clears "
      "mid-stroke %lld, clears mid-playback %lld, replays mid-playback %lld, ticks while "
      "stopped %lld, raised while suspended %lld, created again %lld, longest "
      "recording %lld\n",
      static_cast<unsigned long long>(seed), static_cast<long long>(events),
      static_cast<long long>(seen.playbacksEnded),
      static_cast<long long>(seen.playsMidStroke),
      static_cast<long long>(seen.clearsMidStroke),
      static_cast<long long>(seen.clearsMidPlayback),
      static_cast<long long>(seen.replaysMidPlayback),
      static_cast<long long>(seen.ticksWhileStopped),
      static_cast<long long>(seen.raisedWhileSuspended),
      static_cast<long long>(seen.createdAgain),
      static_cast<long long>(seen.longestRecording));
  if (events < 100'000) return;  // a short replay need not reach everything
  EXPECT_GT(seen.playbacksEnded, 100);
  EXPECT_GT(seen.playsMidStroke, 100);
  EXPECT_GT(seen.clearsMidStroke, 100);
  EXPECT_GT(seen.clearsMidPlayback, 100);
  EXPECT_GT(seen.replaysMidPlayback, 100);
  EXPECT_GT(seen.ticksWhileStopped, 100);
  EXPECT_GT(seen.raisedWhileSuspended, 100);
  EXPECT_GT(seen.createdAgain, 100);
  EXPECT_GT(seen.longestRecording, 5000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ModelTest, ::testing::ValuesIn(Seeds()));

}  // namespace
}  // namespace veskaro::model
