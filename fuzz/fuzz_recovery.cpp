// The recovery folder as anything may have left it: session folders with any copy and copy.ini,
// links to other folders and files, files the program never writes. Offering and discarding the
// copies must never remove anything but the program's own files in plain folders under the root;
// a removed file outside that is a finding.
#include "app/RecoveryStore.h"
#include "model/mTDeclaration.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace zizaza;

const fs::path& Scratch() {
    static const fs::path folder = [] {
        std::string tmpl = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/zizaza-fuzz-recovery-XXXXXX"
                                                           : "/tmp/zizaza-fuzz-recovery-XXXXXX";
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        return fs::path(tmpl);
    }();
    return folder;
}

void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Takes the next chunk of the input: a length byte, then as many bytes as there are.
struct Input {
    const uint8_t* data;
    size_t size;
    uint8_t Byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    std::string Chunk() {
        size_t n = Byte();
        n = n < size ? n : size;
        std::string s(reinterpret_cast<const char*>(data), n);
        data += n;
        size -= n;
        return s;
    }
};

[[noreturn]] void finding(const fs::path& path) {
    std::fprintf(stderr, "FINDING: %s was removed\n", path.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fs::path root = Scratch() / "root";
    const fs::path outside = Scratch() / "outside";
    std::error_code ec;
    fs::remove_all(root, ec);
    fs::remove_all(outside, ec);
    fs::create_directories(root);
    fs::create_directories(outside);
    // What must survive: another folder holding the program's own file names, and files of the user.
    std::vector<fs::path> kept = {outside / "declaration.tv7", outside / "copy.ini", outside / "session.lock",
                                  outside / "precious.tv7"};
    for (const fs::path& p : kept)
        Write(p, "keep");

    Input in{data, size};
    const int entries = in.Byte() % 8;
    for (int i = 0; i < entries; ++i) {
        const fs::path folder = root / ("s" + std::to_string(i));
        switch (in.Byte() % 6) {
            case 0:  // a session folder with whatever copy and copy.ini
                fs::create_directory(folder);
                Write(folder / "declaration.tv7", in.Chunk());
                Write(folder / "copy.ini", in.Chunk());
                break;
            case 1:  // a link to another folder
                fs::create_directory_symlink(outside, folder, ec);
                break;
            case 2:  // a copy that is a link to another file
                fs::create_directory(folder);
                fs::create_symlink(outside / "precious.tv7", folder / "declaration.tv7", ec);
                break;
            case 3:  // a file of the user beside a copy, and a copy.ini naming another file
                fs::create_directory(folder);
                Write(folder / "declaration.tv7", in.Chunk());
                Write(folder / "copy.ini",
                      "[General]\noriginal=" + (outside / "precious.tv7").string() + "\n" + in.Chunk());
                Write(folder / "notes.txt", "mine");
                kept.push_back(folder / "notes.txt");
                break;
            case 4:  // a plain file where a folder would be
                Write(folder, in.Chunk());
                break;
            default:  // a folder linking into itself
                fs::create_directory(folder);
                Write(folder / "declaration.tv7", in.Chunk());
                fs::create_directory_symlink(folder, folder / "loop", ec);
                break;
        }
    }

    {
        RecoveryStore store(QString::fromStdString(root.string()));
        std::vector<RecoveryStore::LeftCopy> left = store.LeftCopies();
        for (RecoveryStore::LeftCopy& copy : left) {
            copy.OriginalChanged();
            try {
                mTDeclaration d;
                d.Load(copy.copy.toStdString());
            } catch (const std::exception&) {
            }
            RecoveryStore::Discard(copy);
        }
    }
    for (const fs::path& p : kept)
        if (!fs::exists(p))
            finding(p);
    return 0;
}
