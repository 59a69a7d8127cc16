#pragma once
// How captions wrap, for labels and buttons alike and in every front end:
// CR LF starts a new line; a line may break at a space or between
// full-width characters; a word wider than the whole line breaks between
// letters. Widths come from the front end's own font measurement, one
// character at a time, so every front end breaks the same lines.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form1_design.h"

namespace form {

// The advance of one character in the caption's font, in pixels.
using CharacterAdvance = std::function<double(char16_t)>;

// Left-aligned captions keep every space, so a run of spaces wraps and
// indents as designed. Centred and right-aligned captions drop the spaces at
// a wrap, so each line centres on its text; one that fits on a line keeps
// its spaces, as designed.
std::vector<std::u16string> WrapCaption(std::u16string_view caption,
                                        const CharacterAdvance& advance, double width,
                                        Alignment alignment);

}  // namespace form
