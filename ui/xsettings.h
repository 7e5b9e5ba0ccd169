#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/double_click.h"

namespace veskaro {

// Reads the blob that an XSETTINGS manager publishes (byte order, serial,
// count, then typed name/value records padded to 4 bytes).
class XSettingsReader {
 public:
  explicit XSettingsReader(std::span<const std::uint8_t> blob) noexcept : blob_(blob) {}

  // The integer named `name`; none when absent, of another type, or when the
  // blob breaks off before it.
  std::optional<std::int32_t> Integer(std::string_view name) const noexcept {
    XSettingsReader r(blob_);
    const std::optional<std::uint32_t> order = r.Byte();
    if (!order || *order > 1 || !r.Skip(3 + 4)) return std::nullopt;
    r.msbFirst_ = *order == 1;
    const std::optional<std::uint32_t> count = r.Card32();
    for (std::uint32_t i = 0; count && i < *count; ++i) {
      const std::optional<std::uint32_t> type = r.Byte();
      const std::optional<std::uint32_t> nameLength =
          r.Skip(1) ? r.Card16() : std::nullopt;
      if (!type || !nameLength) return std::nullopt;
      const std::optional<std::string_view> found = r.Text(*nameLength);
      if (!found || !r.Skip(4)) return std::nullopt;  // the last-change serial
      if (*type == kInteger) {
        const std::optional<std::uint32_t> value = r.Card32();
        if (!value) return std::nullopt;
        if (*found == name) return static_cast<std::int32_t>(*value);
      } else if (!r.SkipValue(*type)) {
        return std::nullopt;
      }
    }
    return std::nullopt;
  }

 private:
  static constexpr std::uint32_t kInteger = 0, kString = 1, kColour = 2;

  static constexpr std::size_t Padded(std::size_t n) noexcept {
    return (n + 3) & ~std::size_t{3};
  }

  bool Skip(std::size_t n) noexcept {
    if (blob_.size() - at_ < n) return false;
    at_ += n;
    return true;
  }
  std::optional<std::uint32_t> Unsigned(std::size_t bytes) noexcept {
    if (blob_.size() - at_ < bytes) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
      const std::size_t k = msbFirst_ ? i : bytes - 1 - i;
      value = (value << 8) | blob_[at_ + k];
    }
    at_ += bytes;
    return value;
  }
  std::optional<std::uint32_t> Byte() noexcept { return Unsigned(1); }
  std::optional<std::uint32_t> Card16() noexcept { return Unsigned(2); }
  std::optional<std::uint32_t> Card32() noexcept { return Unsigned(4); }
  std::optional<std::string_view> Text(std::size_t length) noexcept {
    if (blob_.size() - at_ < Padded(length)) return std::nullopt;
    const auto* begin = reinterpret_cast<const char*>(blob_.data() + at_);
    at_ += Padded(length);
    return std::string_view(begin, length);
  }
  bool SkipValue(std::uint32_t type) noexcept {
    if (type == kColour) return Skip(8);
    if (type != kString) return false;
    const std::optional<std::uint32_t> length = Card32();
    return length && Text(*length).has_value();
  }

  std::span<const std::uint8_t> blob_;
  std::size_t at_ = 0;
  bool msbFirst_ = false;
};

// The desktop's double-click time and distance where the blob gives usable
// values, the defaults otherwise.
inline DoubleClickSettings DoubleClickSettingsFrom(
    std::span<const std::uint8_t> blob) noexcept {
  DoubleClickSettings settings;
  const XSettingsReader reader(blob);
  if (const auto time = reader.Integer("Net/DoubleClickTime"); time && *time > 0) {
    settings.timeMs = static_cast<std::uint32_t>(*time);
  }
  if (const auto distance = reader.Integer("Net/DoubleClickDistance");
      distance && *distance >= 0) {
    settings.distance = *distance;
  }
  return settings;
}

}  // namespace veskaro
