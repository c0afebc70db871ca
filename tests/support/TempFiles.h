#pragma once

#include "storage/TextCodec.h"
#include "storage/mTDocumentStorage.h"
#include "storage/mTFileLoader.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace zizaza::testsupport {

// A folder of its own for each test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        m_path =
            std::filesystem::temp_directory_path() / ("zizaza-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One field as the file holds it: four digits of length, then the Windows-1251 value.
inline std::string Field(std::string_view utf8) {
    std::string bytes = Utf8ToCp1251(utf8).value();
    std::string len = std::to_string(bytes.size());
    return std::string(4 - len.size(), '0') + len + bytes;
}

// The 60-byte header of a file of the given edition and container version.
inline std::string Header(std::string_view documentName = "Tavo2017", std::string_view version = "0102") {
    return "ZEZI" + std::string(20 - documentName.size(), ' ') + std::string(documentName) + std::string(version) +
           std::string(32, 'F');
}

// Writes a container named documentName of the given size with what `write` puts into it.
inline void WriteContainer(const std::string& file, std::string_view documentName, uint32_t size,
                           const std::function<void(mTDocumentStorage&)>& write) {
    mTFileLoader loader(file, size, false);
    mTDocumentStorage storage(&loader);
    storage.CreateStorage(documentName);
    write(storage);
    loader.Commit();
}

// Opens a container for reading and hands the open storage to `read`.
inline void ReadContainer(const std::string& file, const std::function<void(mTDocumentStorage&)>& read) {
    mTFileLoader loader(file, 0, true);
    mTDocumentStorage storage(&loader);
    storage.OpenStorage();
    read(storage);
}

}  // namespace zizaza::testsupport
