#pragma once
// The information dialogs: fixed message boxes, each a constant record of a
// title, its lines or paragraphs and a style, shown through the toolkit.
// Lines are joined by CR LF; paragraphs by CR LF CR LF (one empty line).

#include <span>
#include <string>
#include <string_view>

#include "toolkit/toolkit.h"

namespace info {

enum class Joining { Lines, Paragraphs };

struct Message {
  std::u16string_view title;
  std::span<const std::u16string_view> pieces;
  Joining joining;
  toolkit::MessageStyle style = toolkit::MessageStyle::OkOnly;
};

std::u16string Prompt(const Message& message);

// Shows the box and returns the user's answer.
int Show(toolkit::Toolkit& toolkit, const Message& message);

}  // namespace info
