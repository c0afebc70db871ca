#pragma once

#include "storage/Money.h"

#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

// A tax payment. Nothing creates or edits them; a file that holds some keeps them.
class mTNalog {
public:
    bool operator==(const mTNalog&) const = default;
    std::string FirstText;
    std::string SecondText;
    Money Amount;

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position) const;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position);
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
