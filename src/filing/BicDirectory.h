#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zizaza {

// A bank of the Bank of Russia's BIC directory: what the refund application needs of it.
struct BankEntry {
    std::string bic;
    std::string name;                  // the bank's name as the directory gives it
    std::string correspondentAccount;  // empty for a bank without one (the Bank's own divisions)
};

// The Bank of Russia's BIC directory, loaded from its file: the legacy dBASE table bnkseek.dbf
// (CP866; fields NEWNUM, NAMEP, KSNP) or the ED807 XML (BICDirectoryEntry, ParticipantInfo,
// Accounts). Without it the bank's name is typed.
class BicDirectory {
public:
    // By the file's extension: .dbf, else XML. Raises FilingError naming the file when it cannot
    // be read or is neither.
    static BicDirectory Load(const std::string& path);
    static BicDirectory FromDbf(std::string bytes, const std::string& path);
    static BicDirectory FromEd807(std::string_view xml, const std::string& path);

    std::optional<BankEntry> Find(std::string_view bic) const;
    size_t Size() const { return m_banks.size(); }

private:
    std::map<std::string, BankEntry, std::less<>> m_banks;
};

}  // namespace zizaza
