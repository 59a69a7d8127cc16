#include <array>
#include <string_view>

#include "info/dialogs.h"
#include "info/message.h"

namespace info {
namespace {

constexpr std::array<std::u16string_view, 1> kQuestionLines = {
    u"無許諾コピー、無許諾インストール、無許諾添付ファイル送信等されましたか？",
};

constexpr std::array<std::u16string_view, 7> kLectureLines = {
    u"無許諾コピー、無許諾インストール、無許諾添付ファイル送信は",
    u"",
    u"著作権法の－排他的複製権－侵害です",
    u"",
    u"最高－懲役3年－の刑です ",
    u"",
    u"(著作権法のお勉強です(^_ ^),,,,,)\u3000冗談です。",
};

constexpr std::array<std::u16string_view, 1> kApologyLines = {
    u"失礼しました。どうぞ、ご使用下さい。",
};

constexpr Message kQuestionBox{u"お尋ね", kQuestionLines, Joining::Lines,
                               toolkit::MessageStyle::YesNo};
constexpr Message kLectureBox{u"お遊びです", kLectureLines, Joining::Lines};
constexpr Message kApologyBox{u"お遊びです", kApologyLines, Joining::Lines};

}  // namespace

void InquiryDialog(toolkit::Toolkit& toolkit) {
  // Only Yes leads to the lecture; any other answer is taken as No.
  const bool yes = Show(toolkit, kQuestionBox) == toolkit::kAnswerYes;
  Show(toolkit, yes ? kLectureBox : kApologyBox);
}

}  // namespace info
