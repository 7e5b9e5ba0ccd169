#include "tests/e2e/harness/image.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace veskaro::e2e {

namespace {

struct ImageDestroyer {
  void operator()(XImage* image) const { XDestroyImage(image); }
};

// One channel of a TrueColor pixel, scaled to 8 bits.
std::uint8_t Channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  const unsigned long max = mask >> shift;
  return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

Image::Image(Rect area, std::vector<Rgb> pixels)
    : area_(area), pixels_(std::move(pixels)) {}

Rgb Image::At(Point p) const {
  if (!Bounds().Contains(p)) throw std::out_of_range("pixel outside the image");
  return pixels_[static_cast<std::size_t>(p.y * width() + p.x)];
}

Rect Image::Clip(const Rect& r) const {
  const int left = std::max(r.x, 0), top = std::max(r.y, 0);
  const int right = std::min(r.right(), width()), bottom = std::min(r.bottom(), height());
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

int Image::Count(Rgb colour, const Rect& within) const {
  const Rect r = Clip(within);
  int count = 0;
  for (int y = r.y; y < r.bottom(); ++y) {
    for (int x = r.x; x < r.right(); ++x) count += At({x, y}) == colour;
  }
  return count;
}

bool Image::All(Rgb colour, const Rect& within) const {
  const Rect r = Clip(within);
  return Count(colour, r) == r.width * r.height;
}

Rect Image::BoundsOf(Rgb colour) const {
  int left = width(), top = height(), right = -1, bottom = -1;
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) {
      if (At({x, y}) != colour) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

int Image::Differences(const Image& other, const Rect& within) const {
  if (other.width() != width() || other.height() != height()) {
    throw std::invalid_argument("images of different sizes");
  }
  const Rect r = Clip(within);
  int count = 0;
  for (int y = r.y; y < r.bottom(); ++y) {
    for (int x = r.x; x < r.right(); ++x) count += At({x, y}) != other.At({x, y});
  }
  return count;
}

void Image::SavePpm(const std::filesystem::path& file) const {
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << width() << " " << height() << "\n255\n";
  for (const Rgb& p : pixels_) {
    const char rgb[] = {static_cast<char>(p.r), static_cast<char>(p.g),
                        static_cast<char>(p.b)};
    out.write(rgb, 3);
  }
}

Image Capture(const XDisplay& display, const Rect& at) {
  const std::unique_ptr<XImage, ImageDestroyer> image(XGetImage(
      display.get(), display.root(), at.x, at.y, static_cast<unsigned>(at.width),
      static_cast<unsigned>(at.height), AllPlanes, ZPixmap));
  if (!image) throw std::runtime_error("XGetImage failed");
  std::vector<Rgb> pixels;
  pixels.reserve(static_cast<std::size_t>(at.width * at.height));
  for (int y = 0; y < at.height; ++y) {
    for (int x = 0; x < at.width; ++x) {
      const unsigned long p = XGetPixel(image.get(), x, y);
      pixels.push_back({Channel(p, image->red_mask), Channel(p, image->green_mask),
                        Channel(p, image->blue_mask)});
    }
  }
  return Image(at, std::move(pixels));
}

}  // namespace veskaro::e2e
