#pragma once

#include "model/mTDeclaration.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zizaza::exporttest {

// A whole declaration built in code whose export is kept as a golden file.
struct GoldenScenario {
    std::string name;  // file name without ".xml"
    std::function<std::unique_ptr<mTDeclaration>()> build;
};

const std::vector<GoldenScenario>& GoldenScenarios();

}  // namespace zizaza::exporttest
