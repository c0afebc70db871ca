#pragma once

#include "dictionaries/CodeList.h"

#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class DbfTable;

// Layout of a record of the tax service's SOUN table "soun1.dbf" (byte offsets in a record).
namespace soun {
inline constexpr size_t kRecordSize = 1194;
inline constexpr size_t kCodeOffset = 1, kCodeWidth = 4;
inline constexpr size_t kKindOffset = 5, kKindWidth = 2;
inline constexpr size_t kBlank1Offset = 7, kBlank1Width = 30;
inline constexpr size_t kNameOffset = 161, kNameWidth = 250;
inline constexpr size_t kStatusOffset = 411, kStatusWidth = 1;
inline constexpr size_t kBlank2Offset = 934, kBlank2Width = 10;
}  // namespace soun

// The inspections of a SOUN table, in table order: the records whose field at offset 7 and 934
// are blank, whose status is "1", whose kind is one of 30, 31, 41, 42, 43, 21, 50, 52, 60 and
// whose code is neither 3906 nor 7203; code and name trimmed, the name converted from CP866.
std::vector<CodeName> ReadSounInspections(const DbfTable& table);

// The inspections dictionary document with its Version and Date.
std::string InspectionsXml(const std::vector<CodeName>& inspections, std::string_view dateText,
                           std::string_view versionText);

// Rebuilds the inspections dictionary from a SOUN table. The output file is replaced only when
// everything succeeded, so a failure leaves the old file as it was. Returns true; raises
// DictionaryError on failure ("Error read file:" with the path for a short or unreadable table).
bool ImportSoun(const std::string& tablePath, const std::string& outputPath, std::string_view dateText,
                std::string_view versionText);

}  // namespace zizaza
