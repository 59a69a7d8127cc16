#include <array>
#include <string_view>

#include "info/dialogs.h"
#include "info/message.h"

namespace info {
namespace {

// Several lines that look blank hold spaces; only line 14 is empty.
constexpr std::array<std::u16string_view, 17> kPurposeLines = {
    u" イ\u3000前日の夜、深酒を飲んだような場合、翌朝、アルコールが残っている場合があります。"
    u"\u3000",
    u" ",
    u"     このような場合、確認のため使用して下さい。 \u3000",
    u" ",
    u"    この場合、慎重に計算させるため、最も安全・被検査者に不利な数値、\u3000",
    u" \u3000",
    u" \u30001\u3000飲酒開始後の経過時間欄には「飲酒終了時からの経過時間」を入力し、\u3000",
    u" \u3000",
    u" \u30002\u3000体内分布係数は「0.6」を、\u3000",
    u" \u3000",
    u" \u30003\u3000アルコール減少率は最低値「0.11」を入力して、\u3000",
    u"\u3000\u3000",
    u"  "
    u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u"\u3000\u3000計算して下さい。\u3000",
    u"",
    u"  "
    u"ロ\u3000警察、検察庁はウィドマーク法により、酒気帯び運転を事件として立件する場合があります。",
    u" ",
    u"      警察、検察庁の計算が正しいか否かの確認に使用して下さい。",
};

constexpr std::array<std::u16string_view, 5> kCautionLines = {
    u"\u3000この計算方法を一般の人に教えることについては、ご注意下さい。",
    u" ",
    u"  "
    u"「保有アルコール量が０．１５ミリグラム未満であれば、酒気帯び運転が許される」というような－「"
    u"とんでもない誤解」－を、一般の人に招くおそれがあるからです。\u3000",
    u" ",
    u"  "
    u"一般の人向けには、被検査者に最も不利な、安全な計算方法、既定値を採用したプログラムを別途作成"
    u"しています。",
};

constexpr Message kPurposeBox{u"使用目的", kPurposeLines, Joining::Lines};
constexpr Message kCautionBox{u"ご注意", kCautionLines, Joining::Lines};

}  // namespace

void PurposeOfUseDialog(toolkit::Toolkit& toolkit) {
  Show(toolkit, kPurposeBox);
  Show(toolkit, kCautionBox);  // however the first was closed
}

}  // namespace info
