#pragma once
// The buttons that open fixed information: purpose of use (Command4), the
// inquiry (Command5), a court decision (Command7), a warning to repeat
// offenders (Command9), what concentrations do (Command10) and the default
// values (Command11). None reads or changes the window.

namespace app {
class Toolkit;
}

namespace info {

void PurposeOfUseDialog(app::Toolkit& toolkit);
void InquiryDialog(app::Toolkit& toolkit);
void CourtDecisionDialog(app::Toolkit& toolkit);
void WarningDialog(app::Toolkit& toolkit);
void EffectsDialog(app::Toolkit& toolkit);
void DefaultValuesDialog(app::Toolkit& toolkit);

}  // namespace info
