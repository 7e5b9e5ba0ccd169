#include "ui/xsettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veskaro {
namespace {

// Builds the blob a settings manager publishes, in either byte order.
class Blob {
 public:
  explicit Blob(bool msbFirst) : msb_(msbFirst) {}

  Blob& Integer(const std::string& name, std::int32_t value) {
    Header(0, name);
    Card(static_cast<std::uint32_t>(value), 4);
    return *this;
  }
  Blob& String(const std::string& name, const std::string& value) {
    Header(1, name);
    Card(static_cast<std::uint32_t>(value.size()), 4);
    Text(value);
    return *this;
  }
  Blob& Colour(const std::string& name) {
    Header(2, name);
    for (int i = 0; i < 4; ++i) Card(0xFFFF, 2);
    return *this;
  }
  std::vector<std::uint8_t> Bytes() const {
    Blob head(msb_);
    head.bytes_ = {static_cast<std::uint8_t>(msb_ ? 1 : 0), 0, 0, 0};
    head.Card(7, 4);  // serial
    head.Card(records_, 4);
    head.bytes_.insert(head.bytes_.end(), bytes_.begin(), bytes_.end());
    return head.bytes_;
  }

 private:
  void Header(std::uint8_t type, const std::string& name) {
    ++records_;
    bytes_.push_back(type);
    bytes_.push_back(0);
    Card(static_cast<std::uint32_t>(name.size()), 2);
    Text(name);
    Card(0, 4);  // last-change serial
  }
  void Card(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) {
      const int shift = 8 * (msb_ ? n - 1 - i : i);
      bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
    }
  }
  void Text(const std::string& s) {
    bytes_.insert(bytes_.end(), s.begin(), s.end());
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }

  bool msb_;
  std::uint32_t records_ = 0;
  std::vector<std::uint8_t> bytes_;
};

TEST(XSettingsTest, DoubleClickValuesInEitherByteOrderAfterOtherRecords) {
  for (bool msb : {false, true}) {
    SCOPED_TRACE(msb ? "MSB first" : "LSB first");
    const auto bytes = Blob(msb)
                           .String("Net/ThemeName", "Adwaita")
                           .Colour("Gtk/Colour")
                           .Integer("Net/DoubleClickTime", 250)
                           .Integer("Net/DoubleClickDistance", 8)
                           .Bytes();
    const DoubleClickSettings s = DoubleClickSettingsFrom(bytes);
    EXPECT_EQ(s.timeMs, 250u);
    EXPECT_EQ(s.distance, 8);
  }
}

TEST(XSettingsTest, UnusableValuesFallBackToTheDefaults) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::uint32_t timeMs;
    std::int32_t distance;
  };
  const auto full = Blob(false)
                        .Integer("Net/DoubleClickTime", 1234)
                        .Integer("Net/DoubleClickDistance", 3)
                        .Bytes();
  // Cut inside the second record: the first still counts.
  const std::vector<std::uint8_t> cut(full.begin(), full.end() - 6);
  const Case cases[] = {
      {"empty", {}, 400, 5},
      {"no such names", Blob(false).Integer("Net/CursorBlink", 1).Bytes(), 400, 5},
      {"zero time, negative distance",
       Blob(true)
           .Integer("Net/DoubleClickTime", 0)
           .Integer("Net/DoubleClickDistance", -2)
           .Bytes(),
       400, 5},
      {"cut off", cut, 1234, 5},
      {"bad byte order", {7, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}, 400, 5},
      {"a string where the integer should be",
       Blob(false).String("Net/DoubleClickTime", "fast").Bytes(), 400, 5},
  };
  for (const Case& c : cases) {
    const DoubleClickSettings s = DoubleClickSettingsFrom(c.bytes);
    EXPECT_EQ(s.timeMs, c.timeMs) << c.name;
    EXPECT_EQ(s.distance, c.distance) << c.name;
  }
}

TEST(XSettingsTest, HugeCountDoesNotReadPastTheBlob) {
  auto bytes = Blob(false).Integer("Net/DoubleClickTime", 300).Bytes();
  bytes[8] = bytes[9] = bytes[10] = bytes[11] = 0xFF;  // claims 4 billion records
  EXPECT_EQ(DoubleClickSettingsFrom(bytes).timeMs, 300u);
}

}  // namespace
}  // namespace veskaro
