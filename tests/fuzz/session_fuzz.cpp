// Bytes as a session of inputs through the real dispatcher, recorder and timer,
// with the reference model as the oracle. Each input starts with one byte whose
// low four bits choose it (below) and whose high bits are the pointer keys; a
// pointer event then takes x and y as two 16-bit little-endian numbers, as a
// position field carries them, and "any event" takes one byte naming the
// element and the event. Missing bytes read as 0.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "twin.h"

namespace veskaro::model {
namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::int32_t Position() {
    const std::int32_t low = Byte();
    return low | Byte() << 8;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

Input Pointer(EventKind event, std::uint8_t op, Bytes& in) {
  const std::int32_t x = in.Position();
  return {Input::Raise, Element::Canvas1, event, x, in.Position(), (op >> 4) & 7};
}

Input Decode(Bytes& in) {
  const std::uint8_t op = in.Byte();
  switch (op & 15) {
    case 6:
      return Pointer(EventKind::LeftDown, op, in);
    case 7:
      return Pointer(EventKind::LeftUp, op, in);
    case 8:
      return {Input::Raise, Element::Button2, EventKind::Clicked};
    case 9:
      return {Input::Raise, Element::Button1, EventKind::Clicked};
    case 10:
      return {Input::Raise, Element::MainWindow, EventKind::Created};
    case 11:
      return {Input::PlatformTick};
    case 12:
      return {Input::Raise, Element::Clock1, EventKind::Tick};
    case 13: {
      const std::uint8_t which = in.Byte();
      return {Input::Raise,
              static_cast<Element>(which % kElements),
              static_cast<EventKind>(which / kElements % kEventKinds),
              1,
              2,
              3};
    }
    case 14:
      return {Input::Suspend};
    case 15:
      return {Input::Resume};
    default:  // 0 to 5: moves are what strokes are mostly made of
      return Pointer(EventKind::MouseMove, op, in);
  }
}

[[noreturn]] void Mismatch(std::size_t index, const Input& input,
                           const std::string& diff) {
  std::fprintf(stderr, "mismatch at input %zu: %s\n%s", index, ToString(input).c_str(),
               diff.c_str());
  std::abort();
}

}  // namespace
}  // namespace veskaro::model

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veskaro::model;
  Twin twin;
  Bytes bytes(data, size);
  for (std::size_t i = 0; !bytes.empty(); ++i) {
    const Input input = Decode(bytes);
    const std::string diff = twin.Apply(input);
    if (!diff.empty()) Mismatch(i, input, diff);
  }
  const std::string diff = twin.Finish();
  if (!diff.empty()) Mismatch(size, Input{}, "at the end: " + diff);
  return 0;
}
