#include "dictionaries/ImportSoun.h"

#include "dictionaries/DbfTable.h"
#include "dictionaries/DictionaryError.h"
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

// A field's text as the dictionary can carry it: XML has no place for the control characters
// (a name with one gives a file that no longer loads), so a run of them becomes a blank unless a
// blank is already beside it.
std::string XmlSafe(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool replaced = false;
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            replaced = true;
            continue;
        }
        if (replaced && c != ' ' && !out.empty() && out.back() != ' ')
            out += ' ';
        replaced = false;
        out += c;
    }
    return std::string(TrimPad(out));
}

bool SameRows(const std::vector<CodeName>& a, const std::vector<CodeName>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const CodeName& x, const CodeName& y) { return x.code == y.code && x.name == y.name; });
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
        out.push_back({XmlSafe(Cp866ToUtf8(code)), XmlSafe(Cp866ToUtf8(table.Field(i, kNameOffset, kNameWidth)))});
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
    const std::vector<CodeName> rows = ReadSounInspections(table);
    // The program stops at start when it cannot load this file: the file is read back as the
    // program reads it before it replaces the old one.
    WriteDictionaryFile(outputPath, InspectionsXml(rows, dateText, versionText), [&](std::string_view written) {
        bool same = false;
        try {
            same = SameRows(rows, ReadCodeList(XmlDoc::ParseText(written, outputPath)));
        } catch (const DictionaryError&) {
        }
        if (!same)
            throw DictionaryError("Записанный справочник инспекций не читается так, как записан: " + outputPath);
    });
    return true;
}

}  // namespace zizaza
