// Feeds arbitrary bytes to the container reader: it must end in a storage exception, a
// conversion error or a clean read, and never touch memory outside the content.
#include "storage/StorageErrors.h"
#include "storage/mTDocumentStorage.h"
#include "storage/mTFileLoader.h"

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

std::string scratchFile() {
    static const std::string name = "/tmp/zizaza-fuzz-" + std::to_string(::getpid()) + ".tv7";
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zizaza;
    const std::string file = scratchFile();
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    try {
        mTFileLoader loader(file, 0, true);
        mTDocumentStorage s(&loader);
        s.OpenStorage();
        for (const char* name : {"@TavoInfo", "@PersonName", "@Nalog", "@TavoInquiry"}) {
            try {
                s.OpenStreamForRead(name);
                // The reader kind of each field comes from the data itself, so that every reader
                // meets every kind of damage.
                for (int i = 0; i < 64; ++i) {
                    switch ((size + static_cast<size_t>(i)) % 6) {
                        case 0:
                            s.ReadString();
                            break;
                        case 1:
                            s.ReadInteger();
                            break;
                        case 2:
                            s.ReadWord();
                            break;
                        case 3:
                            s.ReadByte();
                            break;
                        case 4:
                            s.ReadCurrency();
                            break;
                        default:
                            s.ReadDateTime();
                            break;
                    }
                }
            } catch (const mEPrivBase&) {
            } catch (const EConvertError&) {
            }
        }
    } catch (const mEPrivBase&) {
    } catch (const EConvertError&) {
    }
    return 0;
}
