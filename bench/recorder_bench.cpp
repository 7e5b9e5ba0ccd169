// The recorder alone: one recorded move, one playback tick, and the clear of
// 10^6 segments, over the C heap and a screen port that does nothing.
#include <benchmark/benchmark.h>

#include "bench_stack.h"
#include "ui/event_dispatcher.h"

namespace veskaro::bench {
namespace {

struct Stack {
  Stack() { recorder.OnWindowCreated(); }

  CHeap heap;
  AbortingReporter fatal;
  Memory memory{heap, fatal};
  NullScreen screen;
  Recorder recorder{screen, memory};
};

// Appends in runs of 10^6 from an empty recording, so that the storage's
// growth is in the figure as often as a real stroke meets it.
void RecordedMove(benchmark::State& state) {
  Stack s;
  s.recorder.OnCanvasLeftDown(0, 0, 0);
  std::int32_t i = 0;
  for (auto _ : state) {
    s.recorder.OnCanvasMouseMove(i & 255, (i >> 8) & 255, 0);
    if (++i < kSegments) continue;
    state.PauseTiming();
    s.recorder.OnClearClicked();
    s.recorder.OnCanvasLeftDown(0, 0, 0);
    i = 0;
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RecordedMove);

// The same move as the backends raise it: through the dispatcher's bindings.
void RecordedMoveThroughDispatcher(benchmark::State& state) {
  Stack s;
  EventDispatcher events;
  events.Attach(s.recorder);
  events.Raise(ControlId::Canvas1, Event::LeftDown, {0, 0, 0});
  std::int32_t i = 0;
  for (auto _ : state) {
    events.Raise(ControlId::Canvas1, Event::MouseMove, {i & 255, (i >> 8) & 255, 0});
    if (++i < kSegments) continue;
    state.PauseTiming();
    events.Raise(ControlId::Button1, Event::Clicked);
    events.Raise(ControlId::Canvas1, Event::LeftDown, {0, 0, 0});
    i = 0;
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RecordedMoveThroughDispatcher);

// Ticks through a recording of 10^6 segments, starting again at its end.
void PlaybackTick(benchmark::State& state) {
  Stack s;
  RecordSegments(s.recorder, kSegments);
  s.recorder.OnCanvasLeftUp(1, 1, 0);
  s.recorder.OnPlayClicked();
  for (auto _ : state) {
    s.recorder.OnTimerTick();
    if (s.recorder.mode() == RecorderMode::Playing) continue;
    state.PauseTiming();
    s.recorder.OnPlayClicked();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlaybackTick);

// "clear" with 10^6 segments recorded: the recording given back to the heap.
void ClearOfAMillion(benchmark::State& state) {
  Stack s;
  for (auto _ : state) {
    state.PauseTiming();
    RecordSegments(s.recorder, kSegments);
    state.ResumeTiming();
    s.recorder.OnClearClicked();
  }
}
BENCHMARK(ClearOfAMillion)->Unit(benchmark::kMicrosecond)->Iterations(50);

}  // namespace
}  // namespace veskaro::bench

BENCHMARK_MAIN();
