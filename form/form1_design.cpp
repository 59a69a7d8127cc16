#include "form/form1_design.h"

namespace form {

// Front to back: Text13 lies on top, Label1 beneath everything. One row per
// control: kind, name, caption, left, top, width, height (twips), font,
// text colour, back colour, alignment, tab index.
// clang-format off
const std::array<ControlDesign, 75> kForm1Controls = {{
    {ControlKind::TextBox, "Text13", u"2000", 3000, 7200, 1095, 270, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 70},
    {ControlKind::CommandButton, "Command11", u"既定値\u3000\u3000\u3000の説明", 8280, 5640, 1215, 735, {11.25, true, false}, kStandardColour, kStandardColour, Alignment::Left, 64},
    {ControlKind::CommandButton, "Command10", u"酒量と影響・某自動車メーカーより", 0, 9000, 4095, 495, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 63},
    {ControlKind::CommandButton, "Command9", u"飲酒に懲りない人へ・地獄への警告", 5160, 9000, 4335, 495, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 61},
    {ControlKind::CommandButton, "Command8", u"閉じる", 8040, 0, 1335, 495, {11.25, true, false}, kStandardColour, kStandardColour, Alignment::Left, 58},
    {ControlKind::CommandButton, "Command7", u"判決例", 8400, 2880, 1095, 375, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 57},
    {ControlKind::CommandButton, "Command5", u"お尋ね", 120, 9720, 855, 375, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 56},
    {ControlKind::CommandButton, "Command4", u"使用目的", 8400, 2400, 1095, 375, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 53},
    {ControlKind::CommandButton, "Command3", u"印刷する", 8400, 9600, 1095, 495, {9, true, false}, kStandardColour, kStandardColour, Alignment::Left, 50},
    {ControlKind::TextBox, "Text12", u"0", 7800, 1920, 855, 375, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 41},
    {ControlKind::TextBox, "Text11", u"5", 7800, 1440, 855, 375, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 39},
    {ControlKind::TextBox, "Text10", u"15", 7800, 840, 855, 375, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 37},
    {ControlKind::TextBox, "Text9", u"0", 4680, 1920, 1935, 375, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 34},
    {ControlKind::TextBox, "Text8", u"0", 6840, 2880, 975, 495, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 30},
    {ControlKind::CommandButton, "Command2", u"入力数値抹消", 2520, 4200, 1815, 615, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 25},
    {ControlKind::CommandButton, "Command1", u"計算する", 480, 4200, 1695, 615, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 24},
    {ControlKind::TextBox, "Text7", u"0.15", 3120, 6360, 975, 270, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 19},
    {ControlKind::TextBox, "Text6", u"0.78", 3120, 6000, 975, 270, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 18},
    {ControlKind::TextBox, "Text5", u"0.7947", 3120, 5640, 975, 270, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 17},
    {ControlKind::TextBox, "Text4", u"1", 4680, 2880, 1215, 495, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 15},
    {ControlKind::TextBox, "Text3", u"70", 4680, 2430, 1935, 345, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 13},
    {ControlKind::TextBox, "Text2", u"300", 4680, 1440, 1935, 345, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 11},
    {ControlKind::TextBox, "Text1", u"200", 4680, 840, 1935, 345, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 9},
    // Label52: about the program
    {ControlKind::Label, "Label52", u"Widmark法算定計算\u3000\u3000\u3000\u3000ウィドマーク法による呼気中アルコール濃度の参考計算" u"\u3000\u3000\u3000\u3000無償・無保証", 120, 11160, 9495, 375, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 74},
    {ControlKind::Label, "Label51", u"Ver9", 240, 120, 735, 495, {14.25, true, false}, Rgb(255, 0, 0), kStandardColour, Alignment::Left, 73},
    {ControlKind::Label, "Label50", u"法医学者により見解が異なる\u3000\u30001900\uFF5E2300", 960, 7080, 1935, 375, {9, true, false}, kStandardColour, kStandardColour, Alignment::Left, 72},
    {ControlKind::Label, "Label49", u"血中量の呼気量への換算率", 360, 6720, 3735, 255, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 71},
    // Label48: 28 spaces
    {ControlKind::Label, "Label48", u"                            Widmark breath-alcohol calculator, version 9\r\n", 120, 10920, 9375, 1335, {9, true, false}, kStandardColour, kStandardColour, Alignment::Left, 69},
    // Label47: 9 spaces
    {ControlKind::Label, "Label47", u"         Estimate with care, and never drive after drinking.", 0, 10680, 9615, 1815, {11.25, true, false}, kStandardColour, kStandardColour, Alignment::Left, 68},
    {ControlKind::Label, "Label46", u"\u3000\u3000\u3000\u3000\u3000", 0, 11280, 9615, 495, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 67},
    {ControlKind::Label, "Label45", u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000", 0, 10680, 9615, 1095, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 66},
    {ControlKind::Label, "Label7", u"\u3000この計算は計算目的によりアルコール減少率等の計算の前提となる数値↓↓を変更する必要があり" u"ます。", 120, 5160, 9255, 495, {11.25, false, false}, Rgb(0, 0, 192), kStandardColour, Alignment::Left, 65},
    {ControlKind::Label, "Label25", u"", 240, 6840, 855, 255, {12, true, false}, Rgb(128, 0, 0), kStandardColour, Alignment::Left, 62},
    // Label44: 32 dashes, 10 full-width spaces
    {ControlKind::Label, "Label44", u"－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－\u3000\u3000\u3000\u3000" u"\u3000\u3000\u3000\u3000\u3000\u3000飲\u3000酒\u3000運\u3000転\u3000を\u3000撲\u3000滅\u3000" u"し\u3000ょ\u3000う\u3000！\u3000！", 0, 10080, 9615, 615, {14.25, true, false}, Rgb(128, 0, 0), kStandardColour, Alignment::Left, 60},
    {ControlKind::Label, "Label43", u"", 120, 120, 1215, 615, {12, true, false}, Rgb(192, 0, 0), kStandardColour, Alignment::Left, 59},
    {ControlKind::Label, "Label42", u"参考計算用のソフトウェアとして無償で配布しています", 0, 9720, 9615, 375, {14.25, false, false}, kStandardColour, kStandardColour, Alignment::Centre, 55},
    {ControlKind::Label, "Label41", u"\u3000呼気中アルコール濃度の参考計算プログラム", 4080, 7080, 5415, 255, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 54},
    {ControlKind::Label, "Label40", u"Free to use and to share. Provided as is, without any warranty.", 0, 9480, 9615, 255, {12, false, false}, Rgb(255, 0, 0), kStandardColour, Alignment::Centre, 52},
    {ControlKind::Label, "Label20", u"酒気帯び運転は、保有アルコール濃度の量にかかわらず、違法です。絶対にやめましょう。", 0, 4920, 9615, 255, {12, true, false}, Rgb(192, 0, 0), kStandardColour, Alignment::Left, 51},
    {ControlKind::Label, "Label39", u"", 4320, 4200, 255, 615, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 49},
    {ControlKind::Label, "Label38", u"", 2280, 4200, 255, 615, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 48},
    {ControlKind::Label, "Label37", u"", 0, 4200, 495, 615, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 47},
    {ControlKind::Label, "Label36", u"", 4680, 2280, 3135, 255, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 46},
    {ControlKind::Label, "Label35", u"", 4680, 1800, 3255, 135, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 45},
    {ControlKind::Label, "Label34", u"", 4680, 1200, 4215, 255, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 44},
    // Label33: 16 full-width spaces before the second note
    {ControlKind::Label, "Label33", u"\u3000１\u3000この計算書は日本人の統計上の数値を使用して計算しています。２\u3000体調や内臓疾" u"患の有無と程度等により実際の保有アルコール濃度は異なるものと予想されます。３\u3000この計算方" u"法の合理性の有無は不明です。４\u3000呼気を直接測定する機器を使用した場合の数値との異同は不明" u"です。５\u3000計算プログラムミスがあるかもしれません。\u3000ご注意下さい。参考数値と理解して" u"下さい。\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000" u"\u3000\u3000酒税法のアルコールに関する規定からエタノールの比重は１５度の環境下における比重を" u"使用すべきでしょう。文献によれば０．７９４７とされているようです。", 0, 7560, 9615, 1935, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 43},
    {ControlKind::Label, "Label32", u"度", 8640, 1800, 975, 495, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Centre, 42},
    {ControlKind::Label, "Label31", u"度", 8640, 1320, 975, 495, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Centre, 40},
    {ControlKind::Label, "Label23", u"度", 8640, 840, 975, 495, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Centre, 38},
    {ControlKind::Label, "Label22", u"アルコール濃度", 7440, 600, 1695, 255, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 36},
    {ControlKind::Label, "Label30", u"  ＣＣ", 6600, 1920, 1215, 375, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 35},
    // Label29: 15 spaces
    {ControlKind::Label, "Label29", u"               ワインその他のアルコール類", 0, 1920, 4695, 375, kWindowFont, kStandardColour, kStandardColour, Alignment::Left, 33},
    {ControlKind::Label, "Label28", u"", 1560, 6960, 2295, 375, {12, true, false}, Rgb(255, 0, 0), kStandardColour, Alignment::Left, 32},
    // Label27: 78 spaces
    {ControlKind::Label, "Label27", u"                                                                              分", 7800, 2280, 1815, 1095, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 31},
    {ControlKind::Label, "Label26", u"", 0, 4800, 9615, 375, {9.75, false, false}, Rgb(128, 0, 128), kStandardColour, Alignment::Left, 29},
    {ControlKind::Label, "Label18", u"ミリグラム", 7920, 4200, 1695, 615, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 28},
    {ControlKind::Label, "Label24", u"0", 4560, 4200, 3255, 615, {14.25, false, false}, kStandardColour, Rgb(224, 224, 224), Alignment::Right, 27},
    // Label21: 49 spaces
    {ControlKind::Label, "Label21", u"                                                 Ver-vba", 600, 6600, 495, 495, {11.25, true, false}, Rgb(0, 0, 0), kStandardColour, Alignment::Left, 26},
    {ControlKind::Label, "Label19", u"Widmark Calculator\u3000\u3000\u3000\u3000", 4800, 6720, 4815, 615, {14.25, false, true}, kStandardColour, kStandardColour, Alignment::Left, 23},
    {ControlKind::Label, "Label17", u"\u3000被検査者に最も有利な数値は0.19です。", 4080, 6360, 5535, 255, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 22},
    {ControlKind::Label, "Label16", u"  被検査者に最も有利な数値は0.96です。", 4080, 6000, 5535, 255, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 21},
    {ControlKind::Label, "Label15", u" 0.7947以下の数値を使用すべきでしょう。", 4200, 5640, 5055, 255, {11.25, false, false}, kStandardColour, kStandardColour, Alignment::Left, 20},
    {ControlKind::Label, "Label14", u"  時間", 6000, 2880, 735, 615, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 16},
    {ControlKind::Label, "Label13", u"  Ｋｇ", 6600, 2520, 1215, 255, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 14},
    {ControlKind::Label, "Label12", u"  ＣＣ", 6600, 1440, 2055, 495, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 12},
    {ControlKind::Label, "Label11", u"  ＣＣ", 6600, 840, 1215, 375, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 10},
    {ControlKind::Label, "Label10", u"    体内アルコール減少率", 0, 6360, 3135, 255, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 8},
    {ControlKind::Label, "Label9", u"    アルコール体内分布係数", 0, 6000, 3135, 255, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 7},
    {ControlKind::Label, "Label8", u"エタノールの比重", 360, 5640, 3255, 375, {12, true, false}, kStandardColour, kStandardColour, Alignment::Left, 6},
    {ControlKind::Label, "Label6", u"呼気１リットルあたりのアルコール保有ミリグラムの数値です。", 0, 3480, 9615, 615, {15.75, false, true}, kStandardColour, kStandardColour, Alignment::Centre, 5},
    {ControlKind::Label, "Label5", u"            飲酒開始後の経過時間は", 0, 2880, 4695, 615, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 4},
    {ControlKind::Label, "Label4", u"            あなたの体重は（単位はＫｇ）", 0, 2400, 4695, 375, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 3},
    {ControlKind::Label, "Label3", u"            飲酒ビールの量（単位はＣＣ）", 0, 1440, 4695, 495, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 2},
    {ControlKind::Label, "Label2", u"            飲酒日本酒の量（単位はＣＣ）", 0, 840, 4695, 495, {12, false, false}, kStandardColour, kStandardColour, Alignment::Left, 1},
    {ControlKind::Label, "Label1", u"\u3000ウィドマーク法呼気中アルコール濃度算定法\u3000", 0, 0, 9615, 9135, {15.75, true, false}, Rgb(0, 0, 128), kStandardColour, Alignment::Centre, 0},
}};
// clang-format on

}  // namespace form
