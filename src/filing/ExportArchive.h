#pragma once

#include <optional>
#include <string>

namespace zizaza {

// The copies of the exchange files the export wrote, kept in the user's data folder, so that a
// correction later finds the file that was filed. A folder of its own for each declaration file
// and INN holds the copies under the export's file names and the name of the last one. Only the
// user can read them: folders 0700, files 0600.
class ExportArchive {
public:
    explicit ExportArchive(std::string folder) : m_folder(std::move(folder)) {}

    // Keeps a copy of the exported file's bytes. Raises FileWriteError when it cannot be written.
    void Keep(const std::string& declarationFile, const std::string& inn, const std::string& exportName,
              const std::string& bytes) const;

    // The path of the last copy kept for the declaration file and INN, if it is still there.
    std::optional<std::string> Last(const std::string& declarationFile, const std::string& inn) const;

    // The folder for this declaration file and INN.
    std::string FolderFor(const std::string& declarationFile, const std::string& inn) const;

    // The archive's folder for the command line: $XDG_DATA_HOME (else ~/.local/share), then the
    // program's folder there, as the desktop program has it, and "exports".
    static std::string DefaultFolder();

private:
    std::string m_folder;
};

}  // namespace zizaza
