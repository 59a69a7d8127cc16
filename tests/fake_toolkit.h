#pragma once
// A toolkit for command tests: the window's controls as plain strings, a
// script of answers for the message boxes and a log of what was shown.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"

namespace testing_support {

struct ShownBox {
  std::u16string prompt;
  toolkit::MessageStyle style;
  std::u16string title;
  std::u16string label24;  // what the result label showed meanwhile
};

class FakeToolkit : public toolkit::Toolkit {
 public:
  FakeToolkit() {
    const char16_t* starts[] = {u"200", u"300", u"70", u"1", u"0.7947", u"0.78", u"0.15",
                                u"0",   u"0",   u"15", u"5", u"0",      u"2000"};
    for (int i = 0; i < 13; ++i) texts["Text" + std::to_string(i + 1)] = starts[i];
    texts["Label24"] = u"0";
  }

  int ShowMessage(std::u16string_view prompt, toolkit::MessageStyle style,
                  std::u16string_view title) override {
    boxes.push_back({std::u16string(prompt), style, std::u16string(title), texts["Label24"]});
    if (answers.empty())
      return style == toolkit::MessageStyle::YesNo ? toolkit::kAnswerNo : toolkit::kAnswerOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::u16string Text(std::string_view box) const override {
    reads.emplace_back(box);
    return texts.at(std::string(box));
  }
  void SetText(std::string_view box, std::u16string_view text) override {
    writes.emplace_back(box);
    texts.at(std::string(box)) = text;
  }
  void SetCaption(std::string_view label, std::u16string_view caption) override {
    writes.emplace_back(label);
    texts[std::string(label)] = caption;
  }
  void SetVisible(std::string_view button, bool visible) override {
    visibility.push_back(std::string(button) + (visible ? " shown" : " hidden"));
  }
  toolkit::PrintFault PrintWindow() override {
    visibility.push_back("printed");
    return printFault;
  }
  void Unload() override { ++unloads; }

  std::map<std::string, std::u16string> texts;  // boxes and Label24
  std::deque<int> answers;                      // scripted answers, first first
  std::vector<ShownBox> boxes;
  mutable std::vector<std::string> reads;
  std::vector<std::string> writes;
  std::vector<std::string> visibility;  // visibility changes and prints, in order
  toolkit::PrintFault printFault = toolkit::PrintFault::None;
  int unloads = 0;
};

}  // namespace testing_support
