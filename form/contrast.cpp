#include "form/contrast.h"

#include <algorithm>
#include <cmath>

namespace form {
namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(std::int32_t rgb) {
  return 0.2126 * Linear((rgb >> 16) & 255) + 0.7152 * Linear((rgb >> 8) & 255) +
         0.0722 * Linear(rgb & 255);
}

}  // namespace

double ContrastRatio(std::int32_t a, std::int32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::int32_t ReadableOn(std::int32_t text, std::int32_t back, double ratio) {
  // Scale by k/255 from full down: the first that reads is the lightest.
  for (int k = 255; k >= 0; --k) {
    const auto scaled = [k, text](int shift) { return ((text >> shift) & 255) * k / 255; };
    const std::int32_t colour = (scaled(16) << 16) | (scaled(8) << 8) | scaled(0);
    if (ContrastRatio(colour, back) >= ratio) return colour;
  }
  return 0;
}

}  // namespace form
