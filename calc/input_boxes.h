#pragma once
// The thirteen input boxes as the user knows them: the design name, the
// words of the caption that asks for the value, and the unit the window
// shows beside it. Fault reports name a box by its words; screen readers
// read the same words and unit.

#include <array>
#include <string_view>

#include "calc/widmark.h"

namespace calc {

struct InputBox {
  std::string_view name;
  std::u16string_view caption;
  std::u16string_view unit;  // empty where the window shows none
};

// Text1 first, in the order the calculate command reads them.
inline constexpr std::array<InputBox, kInputBoxes> kInputBoxTable = {{
    {"Text1", u"飲酒日本酒の量（単位はＣＣ）", u"ＣＣ"},
    {"Text2", u"飲酒ビールの量（単位はＣＣ）", u"ＣＣ"},
    {"Text3", u"あなたの体重は（単位はＫｇ）", u"Ｋｇ"},
    {"Text4", u"飲酒開始後の経過時間は（時間）", u"時間"},
    {"Text5", u"エタノールの比重", u""},
    {"Text6", u"アルコール体内分布係数", u""},
    {"Text7", u"体内アルコール減少率", u""},
    {"Text8", u"飲酒開始後の経過時間は（分）", u"分"},
    {"Text9", u"ワインその他のアルコール類", u"ＣＣ"},
    {"Text10", u"日本酒のアルコール濃度（度）", u"度"},
    {"Text11", u"ビールのアルコール濃度（度）", u"度"},
    {"Text12", u"ワインその他のアルコール濃度（度）", u"度"},
    {"Text13", u"血中量の呼気量への換算率", u""},
}};

}  // namespace calc
