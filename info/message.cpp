#include "info/message.h"

#include "toolkit/join_lines.h"

namespace info {

std::u16string Prompt(const Message& message) {
  return toolkit::JoinLines(message.pieces,
                            message.joining == Joining::Lines ? u"\r\n" : u"\r\n\r\n");
}

int Show(toolkit::Toolkit& toolkit, const Message& message) {
  return toolkit.ShowMessage(Prompt(message), message.style, message.title);
}

}  // namespace info
