#include "web/detail_panel.h"

#include <emscripten/emscripten.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "analysis/case.h"
#include "calc/input_boxes.h"
#include "calc/numeric_input.h"
#include "report/detail_panel.h"
#include "report/morning.h"
#include "report/sheet.h"
#include "report/text.h"
#include "web/page.h"

// The page's side (page.js).
// clang-format off
EM_JS(void, ShowPanel, (const char16_t* results, int resultBytes, const char16_t* headline,
                        int headlineBytes, const char16_t* sheet, int sheetBytes,
                        const char16_t* summary, int summaryBytes), {
  Module.page.showDetail(UTF16ToString(results, resultBytes),
                         UTF16ToString(headline, headlineBytes), UTF16ToString(sheet, sheetBytes),
                         UTF16ToString(summary, summaryBytes));
});

EM_JS(char16_t*, Now, (), {
  const text = new Date().toLocaleString("ja-JP", {dateStyle: "long", timeStyle: "short"});
  const bytes = (text.length + 1) * 2;
  const copy = _malloc(bytes);
  stringToUTF16(text, copy, bytes);
  return copy;
});
// The address that reproduces the calculation, as the page writes it.
EM_JS(char16_t*, LinkText, (), {
  const text = Module.page.link();
  const bytes = (text.length + 1) * 2;
  const copy = _malloc(bytes);
  stringToUTF16(text, copy, bytes);
  return copy;
});

// The link's QR code from the page's QR library, one character per module
// ("1" dark), row by row; empty where it cannot be made.
EM_JS(char*, QrModules, (const char16_t* text, int bytes), {
  const modules = Module.page.qrModules(UTF16ToString(text, bytes));
  const size = lengthBytesUTF8(modules) + 1;
  const copy = _malloc(size);
  stringToUTF8(modules, copy, size);
  return copy;
});

EM_JS(int, PurposeIsMorning, (), {
  return document.getElementById("PurposeMorning").checked ? 1 : 0;
});

EM_JS(int, PanelShown, (), {
  return Module.page.calculated ? 1 : 0;
});

EM_JS(void, MarkBoxes, (const char* names), {
  Module.page.markInvalid(UTF8ToString(names).split(" ").filter(Boolean));
});
// clang-format on

namespace web {
namespace {

// The panel's own inputs, each with the words its label shows.
struct PanelField {
  std::string_view id;
  std::u16string_view label;
};
constexpr std::array<PanelField, 11> kPanelFields = {{
    {"BackMeasured", u"検査で測った数値（mg/L）"},
    {"BackHours", u"運転から検査まで（時間）"},
    {"BackMinutes", u"運転から検査まで（分）"},
    {"DrinkingHours", u"飲み始めから飲み終わりまで（時間）"},
    {"DrinkingMinutes", u"飲み始めから飲み終わりまで（分）"},
    {"PostAmount", u"運転の後に飲んだ量（cc）"},
    {"PostStrength", u"その度数（%）"},
    {"AbsorbFast", u"吸収の半減期（分、空腹時）"},
    {"AbsorbSlow", u"吸収の半減期（分、食後）"},
    {"DeficitLow", u"吸収不足（%、少ない側）"},
    {"DeficitHigh", u"吸収不足（%、多い側）"},
}};

int Bytes(std::u16string_view text) {
  return static_cast<int>(text.size() * sizeof(char16_t));
}

void Show(std::u16string_view results, std::u16string_view headline = u"",
          std::u16string_view sheet = u"", std::u16string_view summary = u"") {
  ShowPanel(results.data(), Bytes(results), headline.data(), Bytes(headline), sheet.data(),
            Bytes(sheet), summary.data(), Bytes(summary));
}

std::u16string PageLink() {
  char16_t* text = LinkText();
  std::u16string link(text);
  std::free(text);
  return link;
}

report::QrCode QrOf(std::u16string_view link) {
  char* text = QrModules(link.data(), Bytes(link));
  const std::string modules(text);
  std::free(text);
  report::QrCode qr;
  while (static_cast<std::size_t>(qr.size) * static_cast<std::size_t>(qr.size) < modules.size())
    ++qr.size;
  if (static_cast<std::size_t>(qr.size * qr.size) != modules.size()) return {};
  for (char module : modules) qr.dark.push_back(module == '1');
  return qr;
}

}  // namespace

namespace {

// Whether a box holds more than blanks.
bool Given(std::u16string_view text) {
  return text.find_first_not_of(u" \t\n\u3000") != std::u16string_view::npos;
}

// Why the panel cannot be worked out: a box or panel input that gives no number.
std::u16string Unread(std::u16string_view words, calc::ReadFault fault) {
  return u"<p class=\"unread\">「" + std::u16string(words) +
         (fault == calc::ReadFault::BeyondRange ? u"」の数値が大きすぎて読み取れません。</p>"
                                                : u"」の入力を数値として読み取れません。</p>");
}

}  // namespace

// A date input's value, YYYY-MM-DD.
std::optional<analysis::CivilDate> DateOfBox(const char* id) {
  const std::u16string text = BoxText(id);
  if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') return std::nullopt;
  int parts[3] = {0, 0, 0};
  for (std::size_t i = 0, part = 0; i < text.size(); ++i) {
    if (text[i] == u'-') {
      ++part;
    } else if (text[i] >= u'0' && text[i] <= u'9') {
      parts[part] = parts[part] * 10 + (text[i] - u'0');
    } else {
      return std::nullopt;
    }
  }
  if (parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31) return std::nullopt;
  return analysis::CivilDate{parts[0], parts[1], parts[2]};
}

std::variant<report::PanelInputs, std::u16string> ReadPanel() {
  report::PanelInputs in;
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i) {
    const calc::NumberReading reading = calc::ReadNumber(BoxText(calc::kInputBoxTable[i].name));
    if (!reading) return Unread(calc::kInputBoxTable[i].caption, reading.fault);
    in.entered.*calc::kFieldOfBox[i] = reading.value;
  }
  std::array<std::u16string, kPanelFields.size()> texts;
  std::array<double, kPanelFields.size()> values{};
  for (std::size_t i = 0; i < kPanelFields.size(); ++i) {
    texts[i] = BoxText(kPanelFields[i].id);
    const calc::NumberReading reading = calc::ReadNumber(texts[i]);
    if (!reading) return Unread(kPanelFields[i].label, reading.fault);
    values[i] = reading.value;
  }
  const auto given = [&](std::size_t i) { return Given(texts[i]); };
  if (given(0)) {
    in.back = analysis::BackInputs{values[0], values[1], values[2], std::nullopt};
    // A blank amount is no later drink; a blank strength reads as 0.
    if (given(5)) in.back->later = analysis::LaterDrink{values[5], values[6]};
  }
  if (given(3) || given(4)) {
    in.drinkingHours = analysis::HoursOf(values[3], values[4]);
    if (!in.drinkingHours) return Unread(kPanelFields[3].label, calc::ReadFault::BeyondRange);
    in.drinkingTime = analysis::HoursAndMinutes{values[3], values[4]};
  }
  // The model's ranges: an empty box keeps its default.
  constexpr std::array<double analysis::AbsorptionRanges::*, 4> kRanges = {
      &analysis::AbsorptionRanges::fast, &analysis::AbsorptionRanges::slow,
      &analysis::AbsorptionRanges::low, &analysis::AbsorptionRanges::high};
  for (std::size_t i = 0; i < kRanges.size(); ++i)
    if (given(7 + i)) in.ranges.*kRanges[i] = values[7 + i];
  in.purpose = PurposeIsMorning() ? analysis::Purpose::Morning : analysis::Purpose::Check;
  // The morning check's date of drinking dates the morning after's answer.
  if (in.purpose == analysis::Purpose::Morning) in.startDate = DateOfBox("MorningDate");
  // The prosecution's sets: a column where r, elimination and ratio are all given.
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    const std::string n = std::to_string(s + 1);
    const auto text = [&](const char* field) { return BoxText("Official" + (field + n)); };
    const std::array<std::pair<const char*, std::u16string_view>, 4> kValues = {
        {{"R", u"分布係数"}, {"Beta", u"減少率"}, {"Ratio", u"換算率"}, {"Gravity", u"比重"}}};
    std::array<std::optional<double>, 4> read;
    for (std::size_t v = 0; v < kValues.size(); ++v) {
      const std::u16string typed = text(kValues[v].first);
      if (!Given(typed)) continue;
      const calc::NumberReading reading = calc::ReadNumber(typed);
      const std::u16string label =
          u"数値" + report::Ascii(n) + u"の" + std::u16string(kValues[v].second);
      if (!reading) return Unread(label, reading.fault);
      read[v] = reading.value;
    }
    if (!read[0] || !read[1] || !read[2]) continue;
    analysis::OfficialSet set{text("Label"), *read[0], *read[1], *read[2], read[3]};
    const std::u16string figure = text("Figure");
    if (Given(figure)) {
      set.stated = analysis::ReadStatedFigure(figure);
      if (!set.stated) {
        return u"<p class=\"unread\">「数値" + report::Ascii(n) +
               u"の示された数値」は、0.25 のような小数で入力して下さい。</p>";
      }
    }
    in.officials[s] = set;
  }
  in.startMinute = MinuteOfDay(BoxText("DrinkStart"));
  in.driveMinute = MinuteOfDay(BoxText("DriveTime"));
  in.laterMinute = MinuteOfDay(BoxText("PostTime"));
  in.testMinute = MinuteOfDay(BoxText("TestTime"));
  return in;
}

std::u16string Doubts(const analysis::Case& c) {
  std::array<std::u16string, calc::kInputBoxes> texts;
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i)
    texts[i] = BoxText(calc::kInputBoxTable[i].name);
  const std::u16string drinking =
      BoxText("DrinkingHours") + u"時間" + BoxText("DrinkingMinutes") + u"分";
  return report::DoubtNotes(texts, c, drinking);
}

void ShowDetailPanel() {
  const auto read = ReadPanel();
  if (const auto* why = std::get_if<std::u16string>(&read)) {
    Show(*why);
    return;
  }
  const report::PanelInputs& in = std::get<report::PanelInputs>(read);
  char16_t* now = Now();
  const std::u16string when(now);
  std::free(now);
  const analysis::Case c = analysis::ComputeCase(in);
  const report::PanelHtml panel = report::DetailPanel(c);
  report::SheetHead head{
      when, BoxText("CaseName"),     BoxText("Subject"),       BoxText("Preparer"),   PageLink(),
      {},   BoxText("IncidentDate"), BoxText("ExhibitNumber"), BoxText("EvidenceRef")};
  head.qr = QrOf(head.link);
  Show(Doubts(c) + panel.results, panel.headline, report::SheetHtml(c, head), panel.summary);
}

void ClearDetailPanel(std::u16string_view title) {
  Show(u"<p class=\"unread\">計算は「" + report::Escape(title) +
       u"」で終わったため、計算の詳細は表示していません。入力を確かめて、もう一度計算して"
       u"下さい。</p>");
}

void ClearDetailPanelAfterErase() {
  if (!PanelShown()) return;
  Show(
      u"<p class=\"unread\">入力数値抹消で入力を消したため、計算の詳細を消しました。"
      u"数値を入力して、もう一度計算して下さい。</p>");
}

void MarkInvalid(const std::vector<std::string_view>& boxes) {
  std::string names;
  for (const std::string_view box : boxes) (names += box) += ' ';
  MarkBoxes(names.c_str());
}

}  // namespace web
