#pragma once
// Contrast of the design's text colours, as WCAG measures it, and the same
// hue darkened until it reads against its background: what the page shows
// on a phone, or where the reader asks for more contrast.

#include <cstdint>

namespace form {

// The contrast ratio of two RGB colours, 1 to 21.
double ContrastRatio(std::int32_t a, std::int32_t b);

// `text` itself where it already reaches `ratio` against `back`; otherwise
// the same hue, every channel scaled down by one factor, the lightest such
// colour that does.
std::int32_t ReadableOn(std::int32_t text, std::int32_t back, double ratio);

// What text needs to read: 4.5 to 1.
inline constexpr double kTextContrast = 4.5;

}  // namespace form
