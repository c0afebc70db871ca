#pragma once

#include "model/mTDeclaration.h"

#include <memory>
#include <string>
#include <vector>

namespace zizaza::testsupport {

// Whole declarations of typical taxpayers, built from code. tests/data/declarations holds each
// one saved as "<name>.tv7" beside the expected output of "zizaza-cli show" ("<name>.show.txt").
struct SampleDeclaration {
    std::string name;
    std::string description;
    std::unique_ptr<mTDeclaration> (*build)();
};

const std::vector<SampleDeclaration>& SampleDeclarations();

}  // namespace zizaza::testsupport
