#pragma once

#include "dictionaries/XmlDoc.h"

#include <string>

namespace zizaza {

// The schemas the program ships beside itself: the tax service's schema of format 5.10 and the
// structure of format 5.12 as this program exports it.
inline constexpr const char* kSchema510FileName = "NO_NDFL3_1_033_00_05_10_03.xsd";
inline constexpr const char* kSchema512FileName = "Ndfl3Export_5_12.xsd";

enum class PriorYearFormat { V510, V512 };

// A 3-NDFL declaration file of the tax service's exchange format, read and checked.
struct PriorYearFile {
    XmlDoc xml;
    PriorYearFormat format = PriorYearFormat::V510;
    std::string formatText;  // "5.10", "5.12"
    int taxYear = 0;         // ОтчетГод
};

// Reads the file and checks that it is a 3-NDFL declaration of format 5.10 or 5.12 valid
// against its schema (found in dataFolder). CarryOverError with a Russian message otherwise:
// a file that cannot be read or is not XML, another form, another version, a schema failure.
PriorYearFile ReadPriorYearFile(const std::string& path, const std::string& dataFolder);
// The same for bytes already in memory; name stands for the file in the messages.
PriorYearFile ParsePriorYearFile(const std::string& bytes, const std::string& name, const std::string& dataFolder);

}  // namespace zizaza
