#include "storage/StorageErrors.h"

namespace zizaza {

using namespace storage_messages;

void RaiseStorageError(uint16_t number, std::string_view fileName, std::string_view reason) {
    auto msg = [](std::string_view s) { return std::string(s); };
    const std::string why = reason.empty() ? std::string() : "\n" + std::string(reason);
    switch (number) {
        case 20:
            throw mEBadStorage(msg(kReadFile) + std::string(fileName) + why, number);
        case 21:
            throw mEBadStorage(msg(kReadFile) + std::string(fileName) + "\r" + msg(kBusyOrReadOnly) + why, number);
        case 25:
            throw mEMemoryAllocate(msg(kZeroLength), number);
        case 26:
        case 27:
            throw mEMemoryAllocate(msg(kNoMapping), number);
        case 50:
            throw mEMemoryAllocate(msg(kNoMemory), number);
        case 51:
        case 81:
            throw mEWriteStorage(msg(kReadOnly), number);
        case 52:
        case 69:
            throw mEAlreadyCreated(msg(kAlreadyCreated), number);
        case 68:
            throw mEBadStorage(msg(kBadFormat), number);
        case 82:
        case 93:
        case 102:
        case 112:
        case 122:
        case 132:
        case 142:
        case 211:
            throw mEObjectAccess(msg(kNotInitialised), number);
        case 210:
            throw mEOpenStream(msg(kNoStream), number);
        default:
            break;
    }
    if (number >= 150 && number <= 201 && number % 10 == 0)
        throw mEWriteStorage(msg(kReadOnly), number);
    if (number >= 151 && number <= 201 && number % 10 == 1)
        throw mEObjectAccess(msg(kNotInitialised), number);
    throw mEMemoryAllocate(msg(kLowMemory), number);
}

}  // namespace zizaza
