#include "dictionaries/ImportSoun.h"

#include "dictionaries/DbfTable.h"
#include "dictionaries/FileIo.h"
#include "dictionaries/XmlDoc.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <array>

namespace zizaza {
namespace {

bool IsPad(char c) {
    return c == ' ' || c == '\0';
}

bool IsBlank(std::string_view field) {
    return std::all_of(field.begin(), field.end(), IsPad);
}

std::string_view TrimPad(std::string_view s) {
    while (!s.empty() && IsPad(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsPad(s.back()))
        s.remove_suffix(1);
    return s;
}

constexpr std::array<std::string_view, 9> kKinds = {"30", "31", "41", "42", "43", "21", "50", "52", "60"};

bool KeptKind(std::string_view kind) {
    kind = TrimPad(kind);
    return std::find(kKinds.begin(), kKinds.end(), kind) != kKinds.end();
}

}  // namespace

std::vector<CodeName> ReadSounInspections(const DbfTable& table) {
    using namespace soun;
    std::vector<CodeName> out;
    for (uint32_t i = 0; i < table.RecordCount(); ++i) {
        if (!IsBlank(table.Field(i, kBlank1Offset, kBlank1Width)))
            continue;
        if (table.Field(i, kStatusOffset, kStatusWidth) != "1")
            continue;
        if (!IsBlank(table.Field(i, kBlank2Offset, kBlank2Width)))
            continue;
        if (!KeptKind(table.Field(i, kKindOffset, kKindWidth)))
            continue;
        std::string_view code = TrimPad(table.Field(i, kCodeOffset, kCodeWidth));
        if (code == "3906" || code == "7203")
            continue;
        // The code is digits in any code page; converting it too keeps the output valid UTF-8.
        out.push_back({Cp866ToUtf8(code), Cp866ToUtf8(TrimPad(table.Field(i, kNameOffset, kNameWidth)))});
    }
    return out;
}

std::string InspectionsXml(const std::vector<CodeName>& inspections, std::string_view dateText,
                           std::string_view versionText) {
    XmlDoc doc = XmlDoc::WithRoot("Inspections");
    SetAttribute(doc.Root(), "Version", versionText);
    SetAttribute(doc.Root(), "Date", dateText);
    for (const CodeName& row : inspections)
        SetAttribute(AppendElement(doc.Root(), "Inspection", row.name), "Code", row.code);
    return doc.Serialize("windows-1251");
}

bool ImportSoun(const std::string& tablePath, const std::string& outputPath, std::string_view dateText,
                std::string_view versionText) {
    DbfTable table = DbfTable::Open(tablePath, soun::kRecordSize);
    WriteFileAtomically(outputPath, InspectionsXml(ReadSounInspections(table), dateText, versionText));
    return true;
}

}  // namespace zizaza
