#pragma once
// The absorption model in the panel and on the sheet: the figure at driving
// while alcohol may still have been absorbed, beside the window's own, over
// the corners of the published ranges, whether it was still rising, and
// back from a later test; or the one sentence that says why there is none.
// Every number comes worked out in the case.

#include <string>

#include "analysis/case.h"
#include "report/detail_panel.h"

namespace report {

// Without a drinking time, the sentence that says the model needs one.
std::u16string AbsorptionSection(const analysis::Case& c, Figures figures);

// The sheet's words on what the model assumes and where its ranges come
// from, as items of the list of its other assumptions.
std::u16string AbsorptionAssumptions();

}  // namespace report
