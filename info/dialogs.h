#pragma once
// The buttons that open fixed information: purpose of use (Command4), the
// inquiry (Command5), a court decision (Command7), a warning to repeat
// offenders (Command9), what concentrations do (Command10) and the default
// values (Command11). None reads or changes the window.

namespace toolkit {
class Toolkit;
}

namespace info {

void PurposeOfUseDialog(toolkit::Toolkit& toolkit);
void InquiryDialog(toolkit::Toolkit& toolkit);
void CourtDecisionDialog(toolkit::Toolkit& toolkit);
void WarningDialog(toolkit::Toolkit& toolkit);
void EffectsDialog(toolkit::Toolkit& toolkit);
void DefaultValuesDialog(toolkit::Toolkit& toolkit);

}  // namespace info
