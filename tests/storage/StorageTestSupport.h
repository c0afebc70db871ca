#pragma once

#include "storage/mTDocumentStorage.h"
#include "storage/mTFileLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

namespace zizaza::test {

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

// Writes a container of the given size with the fields that `write` puts into it.
inline void WriteContainer(const std::string& file, uint32_t size,
                           const std::function<void(mTDocumentStorage&)>& write) {
    mTFileLoader loader(file, size, false);
    mTDocumentStorage storage(&loader);
    storage.CreateStorage("Tavo2017");
    write(storage);
    loader.Commit();
}

}  // namespace zizaza::test
