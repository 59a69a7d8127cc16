#pragma once
// 計算書, the calculation sheet: one A4 sheet of at most two pages to attach
// to a brief. Its head (case, subject, preparer, the program and version,
// when), every input with its clock times, the formula with the entered
// numbers, the panel's parts with figures cut to four decimals, where each
// scenario's values come from, the sheet's assumptions, and the link that
// reproduces it, as text and as a QR code.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/case.h"

namespace report {

// A QR code's modules, row by row, `size` x `size`; true is dark.
struct QrCode {
  int size = 0;
  std::vector<bool> dark;
};

struct SheetHead {
  std::u16string when;      // the date and time of the calculation
  std::u16string caseName;  // 事件名, 対象者, 作成者: as typed, each optional
  std::u16string subject;
  std::u16string preparer;
  std::u16string link;  // the address that opens the page with these inputs
  QrCode qr;            // the link as a QR code
  // For filing: the date of the incident, the exhibit's number (弁第3号証),
  // the document checked (捜査報告書（乙5）); as typed, each optional.
  std::u16string incidentDate = {};
  std::u16string exhibitNumber = {};
  std::u16string evidenceRef = {};
};

// The sheet as an element for the page, with its own style, no script.
std::u16string SheetHtml(const analysis::Case& c, const SheetHead& head);

// The same sheet as one self-contained HTML document.
std::u16string CalculationSheet(const analysis::Case& c, const SheetHead& head);

// The QR code as SVG, with its four-module quiet zone.
std::u16string QrSvg(const QrCode& qr);

}  // namespace report
