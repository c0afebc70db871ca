#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zizaza {

// The storage's failures. Each carries the user's message and two numbers for diagnosis:
// where it was raised (ErrorNumber) and which operation of the document passed it on
// (CallerNumber, 0 until the document sets it).
class mEPrivBase : public std::runtime_error {
public:
    mEPrivBase(const std::string& message, uint16_t errorNumber)
        : std::runtime_error(message), m_errorNumber(errorNumber) {}

    uint16_t ErrorNumber() const { return m_errorNumber; }
    uint16_t CallerNumber() const { return m_callerNumber; }
    void SetCallerNumber(uint16_t n) { m_callerNumber = n; }

private:
    uint16_t m_errorNumber;
    uint16_t m_callerNumber = 0;
};

class mEMemoryAllocate : public mEPrivBase {
    using mEPrivBase::mEPrivBase;
};
class mEWriteStorage : public mEPrivBase {
    using mEPrivBase::mEPrivBase;
};
class mEBadStorage : public mEPrivBase {
    using mEPrivBase::mEPrivBase;
};
class mEAlreadyCreated : public mEPrivBase {
    using mEPrivBase::mEPrivBase;
};
class mEObjectAccess : public mEPrivBase {
    using mEPrivBase::mEPrivBase;
};
class mEOpenStream : public mEPrivBase {
    using mEPrivBase::mEPrivBase;
};

// A field whose text is not the number it should be. The document's load reports it as a
// damaged file.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace storage_messages {
inline constexpr std::string_view kReadFile = "Ошибка чтения файла: ";
inline constexpr std::string_view kBusyOrReadOnly = "Возможно он занят, или с признаком 'read only'";
inline constexpr std::string_view kZeroLength = "Создаваемый фаил отображения не может быть нулевой длины.";
inline constexpr std::string_view kNoMapping = "Не удается создать отображение файла.";
inline constexpr std::string_view kNoMemory = "Не выделена память.";
inline constexpr std::string_view kReadOnly = "Попытка записи в память только для чтения";
inline constexpr std::string_view kAlreadyCreated = "Объект уже был создан.";
inline constexpr std::string_view kLowMemory = "Недостаточно свободной памяти.";
inline constexpr std::string_view kBadFormat = "Неправильный формат файла декларации, возможно он поврежден.";
inline constexpr std::string_view kNotInitialised = "Попытка доступа к неинициализированным данным.";
inline constexpr std::string_view kNoStream = "Попытка открытия несуществующего потока";
}  // namespace storage_messages

// Raises the storage exception of the given number with its class and message. Numbers 20 and
// 21 take the file name into the message; a reason given (the system's, in Russian) follows the
// message on a line of its own.
[[noreturn]] void RaiseStorageError(uint16_t number, std::string_view fileName = {}, std::string_view reason = {});

// Error numbers of our own, beyond the container's table: values that cannot be written as a
// field at all, because the reader would refuse them.
inline constexpr uint16_t kErrTextTooLong = 152;
inline constexpr uint16_t kErrTextNotCp1251 = 153;
inline constexpr uint16_t kErrZeroInText = 155;
inline constexpr uint16_t kErrNumberNotStorable = 156;
inline constexpr uint16_t kErrDateOutOfRange = 157;
// A file written and read back that does not give the declaration written.
inline constexpr uint16_t kErrReadBack = 158;

}  // namespace zizaza
