#include "calc/calculate_command.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/input_boxes.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "calc/widmark.h"
#include "toolkit/join_lines.h"
#include "toolkit/toolkit.h"

namespace calc {
namespace {

using namespace std::string_view_literals;

constexpr std::u16string_view kCaution = u"注意";
constexpr std::u16string_view kMissingAmount = u" 飲酒量を入力してください";
constexpr std::u16string_view kMissingTime = u" 飲酒開始後の経過時間を入力してください";
constexpr std::u16string_view kMissingWeight = u" 体重を入力してください";

constexpr std::u16string_view kBelowZeroTitle = u"計算結果";
constexpr std::u16string_view kBelowZeroPrompt =
    u" 計算した結果、アルコール保有量は\u3000\uFF10\u3000です";

constexpr std::u16string_view kVerdictOpening =
    u" 計算した結果、アルコール保有量は可罰的酒気帯び運転の法定数値";
constexpr std::u16string_view kFigureSuffix = u"となりました。";

constexpr std::u16string_view kPunishableTitle = u"有罪です";
constexpr std::u16string_view kNotPunishableTitle = u"不該当";

constexpr std::u16string_view kCannotTitle = u"計算できません";
constexpr std::u16string_view kCheckTheBoxes = u"入力した数値を確かめて下さい。";

std::u16string Concat(std::initializer_list<std::u16string_view> parts) {
  return toolkit::JoinLines(parts, u"");
}

// The named boxes' captions in corner brackets; Text1 is box 1.
std::u16string Captions(std::initializer_list<int> boxes) {
  std::u16string text;
  for (int box : boxes)
    text += Concat({u"「", kInputBoxTable[static_cast<std::size_t>(box - 1)].caption, u"」"});
  return text;
}

std::u16string Captions(const std::vector<int>& boxes) {
  std::u16string text;
  for (int box : boxes) text += Captions({box});
  return text;
}

// The boxes a fault's box names, in the order it names them.
std::vector<int> FaultBoxes(const Fault& fault) {
  const bool zeroDivisor = fault.kind != FaultKind::Overflow;
  if (zeroDivisor && fault.step == Step::ScaledConcentration) return {6, 3};
  switch (fault.step) {
    case Step::EthanolVolume:
      return {1, 2, 9, 10, 11, 12};
    case Step::EthanolMass:
      return {1, 2, 9, 5};
    case Step::DistributionMass:
      return {6, 3};
    case Step::MinutesScaled:
    case Step::ElapsedTime:
      return {4, 8};
    case Step::ScaledConcentration:
      return {1, 2, 9, 5, 6, 3};
    case Step::EliminatedAlcohol:
    case Step::BloodAlcohol:
    case Step::Milligrams:
      return {7, 4, 8};
    case Step::BreathAlcohol:
      return {13};
  }
  return {};
}

std::u16string FaultPrompt(const Fault& fault) {
  const bool zeroDivisor = fault.kind != FaultKind::Overflow;
  if (zeroDivisor && fault.step == Step::ScaledConcentration) {
    return toolkit::JoinLines(
        {Concat({u" ", Captions({6}), u"と", Captions({3}),
                 u"の積が０（または０に近すぎる値）のため、計算できません。"}),
         u"", kCheckTheBoxes});
  }
  if (zeroDivisor && fault.step == Step::BreathAlcohol) {
    return toolkit::JoinLines(
        {Concat({u" ", Captions({13}), u"が０のため、計算できません。"}), u"", kCheckTheBoxes});
  }
  return toolkit::JoinLines({u" 計算の途中で数値が大きくなりすぎたため、計算できません。", u"",
                             u"次の欄の数値を確かめて下さい。", Captions(FaultBoxes(fault))});
}

// The verdict box: the figure's text on line 5, as in Label24.
std::u16string VerdictPrompt(Verdict verdict, std::u16string_view figure) {
  const std::u16string figureLine = Concat({figure, kFigureSuffix});
  if (verdict == Verdict::Punishable) {
    return toolkit::JoinLines({
        kVerdictOpening,
        u"",
        u"０．１５以上 ",
        u"",
        figureLine,
        u"",
        u"可罰的酒気帯び運転成立です。処罰されます。",
        u"",
        u"\u3000\u3000０．１５以上の場合、９０日間の運転免許停止の行政処分を受けます（累積点数があ"
        u"る場合は別です）。",
        u"",
        u"\u3000\u3000０．２５以上の場合、即、運転免許取消の行政処分を受けます。",
        u"",
        u"\u3000\u3000\u3000（平成２１年６月１日から改正道路交通法が施行されています）",
    });
  }
  return toolkit::JoinLines({kVerdictOpening, u"", u"０．１５以下 ", u"", figureLine, u"",
                             u"可罰的酒気帯び運転には該当しません。"});
}

// A box's text as a prompt quotes it: on one line, and cut after
// kQuotedCharacters characters (code points, so no pair is split).
constexpr std::size_t kQuotedCharacters = 20;

std::u16string Quoted(std::u16string_view text) {
  std::u16string quoted;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool secondOfPair =
        c >= 0xDC00 && c <= 0xDFFF && i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
    if (!secondOfPair && characters++ == kQuotedCharacters) return quoted + u"…";
    quoted += c == u'\t' || c == u'\n' || c == u'\r' ? u' ' : c;
  }
  return quoted;
}

// The first box, in order, whose text gives no number, and why.
struct UnreadBox {
  std::size_t box;  // Text1 is 0
  ReadFault fault;
  std::u16string text;
};

// Reads every box once, in order.
std::optional<UnreadBox> ReadBoxes(const toolkit::Toolkit& toolkit, WidmarkInputs& in) {
  std::optional<UnreadBox> unread;
  for (std::size_t i = 0; i < kInputBoxes; ++i) {
    std::u16string text = toolkit.Text(kInputBoxTable[i].name);
    const NumberReading reading = ReadNumber(text);
    if (!reading && !unread) unread = UnreadBox{i, reading.fault, std::move(text)};
    in.*kFieldOfBox[i] = reading.value;
  }
  return unread;
}

std::u16string UnreadPrompt(const UnreadBox& unread) {
  const std::u16string captions = Captions({static_cast<int>(unread.box) + 1});
  if (unread.fault == ReadFault::BeyondRange) {
    return toolkit::JoinLines(
        {Concat({u" ", captions, u"の数値が大きすぎて読み取れません。"}), u"", kCheckTheBoxes});
  }
  return toolkit::JoinLines(
      {Concat({u" ", captions, u"の「", Quoted(unread.text), u"」は数値として読み取れません。"}),
       u"", u"数字で入力して下さい。例：1000、２．５"});
}

}  // namespace

std::vector<std::string_view> BoxesNamed(const toolkit::Toolkit& toolkit) {
  WidmarkInputs in;
  std::vector<int> boxes;
  if (const std::optional<UnreadBox> unread = ReadBoxes(toolkit, in)) {
    boxes = {static_cast<int>(unread->box) + 1};
  } else {
    const bool given = (in.SakeAmount != 0 || in.BeerAmount != 0 || in.OtherAmount != 0) &&
                       (in.ElapsedHours != 0 || in.ElapsedMinutes != 0) && in.BodyWeight != 0;
    const BreathAlcoholResult result = ComputeBreathAlcohol(in);
    if (given && !result) boxes = FaultBoxes(*result.fault);
  }
  std::vector<std::string_view> names;
  for (int box : boxes) names.push_back(kInputBoxTable[static_cast<std::size_t>(box - 1)].name);
  return names;
}

void CalculateCommand(toolkit::Toolkit& toolkit) {
  WidmarkInputs in;
  if (const std::optional<UnreadBox> unread = ReadBoxes(toolkit, in)) {
    toolkit.ShowMessage(UnreadPrompt(*unread), toolkit::MessageStyle::OkOnly, kCannotTitle);
    return;
  }

  if (in.SakeAmount == 0 && in.BeerAmount == 0 && in.OtherAmount == 0) {
    toolkit.ShowMessage(kMissingAmount, toolkit::MessageStyle::OkOnly, kCaution);
    return;
  }
  if (in.ElapsedHours == 0 && in.ElapsedMinutes == 0) {
    toolkit.ShowMessage(kMissingTime, toolkit::MessageStyle::OkOnly, kCaution);
    return;
  }
  if (in.BodyWeight == 0) {
    toolkit.ShowMessage(kMissingWeight, toolkit::MessageStyle::OkOnly, kCaution);
    return;
  }

  const BreathAlcoholResult result = ComputeBreathAlcohol(in);
  if (!result) {
    toolkit.ShowMessage(FaultPrompt(*result.fault), toolkit::MessageStyle::OkOnly, kCannotTitle);
    return;
  }

  const Verdict verdict = JudgeBreathAlcohol(result.figure);
  if (verdict == Verdict::BelowZero) {
    // The negative figure is shown nowhere; Label24 keeps its old text until
    // the box is closed.
    toolkit.ShowMessage(kBelowZeroPrompt, toolkit::MessageStyle::OkOnly, kBelowZeroTitle);
    toolkit.SetCaption("Label24", u"0");
    return;
  }
  const std::u16string figure = NumberToText16(result.figure);
  toolkit.SetCaption("Label24", figure);
  toolkit.ShowMessage(VerdictPrompt(verdict, figure), toolkit::MessageStyle::OkOnly,
                      verdict == Verdict::Punishable ? kPunishableTitle : kNotPunishableTitle);
}

}  // namespace calc
