#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "recorder/recorder.h"
#include "reference_model.h"
#include "ui/event_dispatcher.h"
#include "ui/timer.h"

namespace veskaro::model {

// One step of a session: an event raised through the dispatcher, a tick of the
// platform timer (which only a set timer gives), or a change of the suspension.
struct Input {
  enum Kind { Raise, PlatformTick, Suspend, Resume } kind = Raise;
  Element element = Element::MainWindow;
  EventKind event = EventKind::Created;
  std::int32_t x = 0, y = 0, keys = 0;
};

std::string ToString(const Input& input);

// The real dispatcher, recorder and timer beside the reference model, fed the
// same inputs and compared after each.
class Twin {
 public:
  Twin();
  ~Twin();
  Twin(const Twin&) = delete;
  Twin& operator=(const Twin&) = delete;

  // Empty when both agree on the calls made and on the state after them;
  // otherwise what differs.
  std::string Apply(const Input& input);
  // The timer's window goes away with the main window.
  std::string Finish();

  const ReferenceModel& reference() const { return model_; }

 private:
  // The screen port and the platform timer under the real stack, logging.
  struct Screen final : ScreenPort, PlatformTimer {
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                  std::int32_t y2) override;
    void ClearCanvas() override;
    void SetTimerPeriod(std::int32_t ms) override;
    void Start(std::int32_t periodMs) override;
    void Stop() override;

    std::vector<Call> calls;
    Timer* timer = nullptr;
    bool set = false;
  };
  struct Heap final : HeapPort {
    void* Allocate(std::size_t bytes) noexcept override;
    void* Reallocate(void* block, std::size_t bytes) noexcept override;
    void Free(void* block) noexcept override;
  };
  struct Fatal final : FatalReporter {
    [[noreturn]] void ReportFatalError(std::string_view message) override;
  };

  // What both sides are compared on besides their calls.
  struct State {
    int mode;
    std::int32_t lastX, lastY;
    std::int64_t count;
    ReferenceModel::Line last;  // the newest segment, when there is one
    std::int32_t playPosition, period;
    bool running, platformSet, suspended;
    friend bool operator==(const State&, const State&) = default;
  };

  std::string Compare();
  State RealState() const;
  State ModelState() const;
  std::string CompareState() const;

  ReferenceModel model_;
  Screen screen_;
  Heap heap_;
  Fatal fatal_;
  Memory memory_{heap_, fatal_};
  Timer timer_;
  Recorder recorder_;
  EventDispatcher events_;
};

}  // namespace veskaro::model
