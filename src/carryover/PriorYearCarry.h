#pragma once

#include "model/TaxFacts.h"
#include "storage/Date.h"

#include <memory>
#include <string>
#include <vector>

namespace zizaza {

class mTDeclaration;
struct PriorYearFile;

// The tax year of the declarations this edition prepares; the years of the losses of earlier
// periods its declaration holds are kOldestCarriedLossYear to kNewestCarriedLossYear.
inline constexpr int kCarryTargetYear = kTaxYear;

// What was taken over from last year's declaration and what was not, line by line.
struct CarryOverReport {
    std::string source;  // "декларации за 2016 год (формат 5.10)"
    // Which tax year the carried declaration is for, and what the new declaration can hold of it.
    std::string years;
    std::vector<std::string> carried;
    std::vector<std::string> notCarried;
    // The report as the user reads it: a heading, then both lists.
    std::string Text() const;
};

struct CarriedDeclaration {
    std::unique_ptr<mTDeclaration> declaration;
    CarryOverReport report;
};

// A fresh declaration, prepared as the New command prepares one, holding what stays true from
// last year's file: the title page and personal data, the property objects with the deduction
// received in earlier years, and the securities losses still to be carried forward. dataFolder
// holds the dictionaries that name the inspection and the country.
CarriedDeclaration CarryOver(const PriorYearFile& file, Date today, const std::string& dataFolder);

// ReadPriorYearFile, then CarryOver. CarryOverError when the file cannot be taken over.
CarriedDeclaration StartFromPriorYear(const std::string& path, const std::string& dataFolder, Date today);

}  // namespace zizaza
