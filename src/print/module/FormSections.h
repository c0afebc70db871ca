#pragma once

#include "print/module/FormSchema.h"

#include <vector>

namespace zizaza::print {

// The parts of the 3-NDFL paper form after the title page, in the order of the paper form, with
// the elements of the body "НДФЛ3" that each shows.
const std::vector<SectionDef>& Ndfl3Sections();

}  // namespace zizaza::print
