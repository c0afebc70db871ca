#include "filing/BicDirectory.h"

#include "dictionaries/DbfTable.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/FileIo.h"
#include "dictionaries/XmlDoc.h"
#include "filing/FiledDeclaration.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zizaza {
namespace {

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

uint32_t le16(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

struct DbfField {
    size_t offset = 0, width = 0;
};

[[noreturn]] void unreadable(const std::string& path) {
    throw FilingError("Не удается прочитать справочник БИК " + path);
}

// The fields of the table by their names, from the descriptors after the header (32 bytes each,
// up to the byte 0x0D); the first field starts after the record's deletion mark.
std::map<std::string, DbfField> dbfFields(std::string_view bytes, const std::string& path) {
    std::map<std::string, DbfField> fields;
    size_t offset = 1;
    for (size_t at = DbfTable::kHeaderSize; at < bytes.size() && bytes[at] != '\r'; at += 32) {
        if (at + 32 > bytes.size())
            unreadable(path);
        std::string_view raw = bytes.substr(at, 11);
        std::string name(raw.substr(0, std::min(raw.find('\0'), raw.size())));
        const size_t width = static_cast<unsigned char>(bytes[at + 16]);
        fields[name] = DbfField{offset, width};
        offset += width;
    }
    return fields;
}

}  // namespace

BicDirectory BicDirectory::FromDbf(std::string bytes, const std::string& path) {
    if (bytes.size() < DbfTable::kHeaderSize)
        unreadable(path);
    const auto fields = dbfFields(bytes, path);
    const auto bic = fields.find("NEWNUM"), name = fields.find("NAMEP"), account = fields.find("KSNP");
    if (bic == fields.end() || name == fields.end())
        throw FilingError("Файл " + path + " не является справочником БИК: нет полей NEWNUM и NAMEP");
    const size_t recordSize = le16(bytes, 10);
    BicDirectory directory;
    try {
        const DbfTable table(std::move(bytes), path, recordSize);
        for (uint32_t i = 0; i < table.RecordCount(); ++i) {
            if (table.Record(i)[0] == '*')
                continue;  // a deleted record
            BankEntry entry;
            entry.bic = trimmed(table.Field(i, bic->second.offset, bic->second.width));
            entry.name = trimmed(Cp866ToUtf8(table.Field(i, name->second.offset, name->second.width)));
            if (account != fields.end())
                entry.correspondentAccount = trimmed(table.Field(i, account->second.offset, account->second.width));
            if (!entry.bic.empty())
                directory.m_banks[entry.bic] = std::move(entry);
        }
    } catch (const DictionaryError&) {
        unreadable(path);
    }
    return directory;
}

BicDirectory BicDirectory::FromEd807(std::string_view xml, const std::string& path) {
    XmlDoc doc;
    try {
        doc = XmlDoc::ParseText(xml, path);
    } catch (const DictionaryError& e) {
        throw FilingError(e.what());
    }
    if (!doc.Root() || ElementName(doc.Root()) != "ED807")
        throw FilingError("Файл " + path + " не является справочником БИК (ED807)");
    BicDirectory directory;
    for (xmlNode* e : ChildElements(doc.Root())) {
        if (ElementName(e) != "BICDirectoryEntry")
            continue;
        BankEntry entry;
        entry.bic = AttributeOr(e, "BIC");
        for (xmlNode* part : ChildElements(e)) {
            if (ElementName(part) == "ParticipantInfo")
                entry.name = AttributeOr(part, "NameP");
            // The correspondent account of a bank is the one of kind CRSA.
            if (ElementName(part) == "Accounts" && AttributeOr(part, "RegulationAccountType") == "CRSA" &&
                entry.correspondentAccount.empty())
                entry.correspondentAccount = AttributeOr(part, "Account");
        }
        if (!entry.bic.empty())
            directory.m_banks[entry.bic] = std::move(entry);
    }
    return directory;
}

BicDirectory BicDirectory::Load(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const DictionaryError&) {
        unreadable(path);
    }
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".dbf" ? FromDbf(std::move(bytes), path) : FromEd807(bytes, path);
}

std::optional<BankEntry> BicDirectory::Find(std::string_view bic) const {
    auto it = m_banks.find(bic);
    if (it == m_banks.end())
        return std::nullopt;
    return it->second;
}

}  // namespace zizaza
