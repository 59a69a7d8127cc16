#include "form/phone_layout.h"

namespace form {

// clang-format off
const std::array<PhonePlace, 62> kPhoneLayout = {{
    {"Label1", 1, 4},
    // Each drink: its caption and the strength column's heading, then the
    // amount and its strength side by side, as on the window.
    {"Label2", 1, 2}, {"Label22", 3, 4},
    {"Text1", 1, 1}, {"Label11", 2, 2}, {"Text10", 3, 3}, {"Label23", 4, 4},
    {"Label3", 1, 4},
    {"Text2", 1, 1}, {"Label12", 2, 2}, {"Text11", 3, 3}, {"Label31", 4, 4},
    {"Label29", 1, 4},
    {"Text9", 1, 1}, {"Label30", 2, 2}, {"Text12", 3, 3}, {"Label32", 4, 4},
    {"Label4", 1, 4},
    {"Text3", 1, 1}, {"Label13", 2, 2},
    {"Label5", 1, 4},
    {"Text4", 1, 1}, {"Label14", 2, 2}, {"Text8", 3, 3}, {"Label27", 4, 4},
    {"Command1", 1, 2}, {"Command2", 3, 4},
    {"Label24", 1, 2}, {"Label18", 3, 4},
    {"Label6", 1, 4},
    {"Label20", 1, 4},
    {"Label7", 1, 4},
    // The method's values, each with its note.
    {"Label8", 1, 4}, {"Text5", 1, 2}, {"Label15", 3, 4},
    {"Label9", 1, 4}, {"Text6", 1, 2}, {"Label16", 3, 4},
    {"Label10", 1, 4}, {"Text7", 1, 2}, {"Label17", 3, 4},
    {"Label49", 1, 4}, {"Text13", 1, 2}, {"Label50", 3, 4},
    {"Command4", 1, 2}, {"Command7", 3, 4},
    {"Command11", 1, 4},
    {"Label33", 1, 4},
    {"Label41", 1, 4},
    {"Command10", 1, 4},
    {"Command9", 1, 4},
    {"Label40", 1, 4},
    {"Label42", 1, 4},
    {"Command5", 1, 2}, {"Command3", 3, 4},
    {"Label44", 1, 4},
    {"Label47", 1, 4},
    {"Label48", 1, 4},
    {"Label19", 1, 4},
    {"Label52", 1, 4},
    {"Label51", 1, 2}, {"Command8", 3, 4},
}};
// clang-format on

}  // namespace form
