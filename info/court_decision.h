#pragma once
// The court decision the window's 判決例 box names, paragraph by paragraph:
// the box shows it, and the calculation sheet cites it as the source of the
// court scenario's values.

#include <array>
#include <string_view>

namespace info {

inline constexpr std::array<std::u16string_view, 5> kCourtDecision = {
    u"大阪地裁平成１９年６月１１日判決は、 ",
    u"ウィドマーク法により酒気帯びの有無を判定するためには、被検査者に最も有利な条件で計算すべきで"
    u"あると判示し",
    u"飲酒開始時からの経過時間を使用し、 ",
    u"アルコール分布係数、アルコール減少率などは被検査者に最も有利な数値0.96、 0.19を使用し、 ",
    u"エチルアルコールの比重については0.7947を使用しています。",
};

// The decision's name, as the box's first paragraph gives it.
inline constexpr std::u16string_view kCourtDecisionName =
    kCourtDecision[0].substr(0, kCourtDecision[0].find(u"は、"));

}  // namespace info
