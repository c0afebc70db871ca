#pragma once

// Header only: the tests that include it link the export.
#include "export/DeclarationXml.h"
#include "support/SampleDeclarations.h"

#include <gtest/gtest.h>

#include <string>

namespace zizaza::testsupport {

// Last year's declaration as the program exports it (format 5.12): the sample with a flat bought
// on a mortgage, written into the folder; the result is the file's path.
inline std::string WritePriorYearXml(const std::string& folder) {
    std::unique_ptr<mTDeclaration> last;
    for (const SampleDeclaration& s : SampleDeclarations())
        if (s.name == "salaried_flat_mortgage")
            last = s.build();
    XmlExportOptions options;
    options.today = Date::Ymd(2018, 3, 15);
    options.fileGuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";
    std::string name;
    EXPECT_TRUE(BuildDeclarationXml(folder, *last, XmlExportMode::File, name, options));
    return folder + "/" + name;
}

}  // namespace zizaza::testsupport
