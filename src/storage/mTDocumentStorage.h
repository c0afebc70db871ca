#pragma once

#include "storage/Money.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class mTFileLoader;

// The declaration file container: a 60-byte header and then named streams of fields, each field
// a four-digit length and the value as Windows-1251 text. Texts cross this class as UTF-8.
//
// Every read and write is checked against the content's end: a damaged or truncated file raises
// mEBadStorage (the bad-format message, number 68) and never touches memory outside the content.
class mTDocumentStorage {
public:
    explicit mTDocumentStorage(mTFileLoader* loader);

    void CreateStorage(std::string_view name);
    void OpenStorage();
    void CloseStorage();

    void OpenStreamForWrite(std::string_view name);
    // Finds the stream name among the fields, searching from the current position to the end
    // and then from the start; raises 210 when it is absent.
    void OpenStreamForRead(std::string_view name);

    // The pad character is accepted for compatibility and has no visible effect.
    bool WriteString(std::string_view text, char pad = ' ');
    bool WriteInteger(int32_t value, char pad = '0');
    bool WriteWord(uint16_t value, char pad = '0');
    bool WriteByte(uint8_t value, char pad = '0');
    bool WriteCurrency(Money value, char pad = '0');
    bool WriteDateTime(double value, char pad = '0');

    std::string ReadString();
    int32_t ReadInteger();
    uint16_t ReadWord();
    uint8_t ReadByte();
    Money ReadCurrency();
    double ReadDateTime();

    const std::string& DocumentName() const { return m_documentName; }
    uint16_t MajorVersion() const { return m_major; }
    uint16_t MinorVersion() const { return m_minor; }
    const std::string& StorageTag() const { return m_storageTag; }
    const std::string& StreamName() const { return m_streamName; }
    bool IsOpen() const { return m_open; }
    bool IsCreated() const { return m_created; }
    size_t Position() const { return m_position; }

    // Bytes that the writers take for a value: 4 for the length plus the value's text. The
    // record classes add these up to know a file's size before writing it.
    static uint32_t StringFieldSize(std::string_view text);
    static uint32_t IntegerFieldSize(int32_t value);
    static uint32_t WordFieldSize(uint16_t value);
    static uint32_t ByteFieldSize(uint8_t value);
    static uint32_t CurrencyFieldSize(Money value);
    static uint32_t DateTimeFieldSize(double value);

    // The value texts exactly as the writers put them into the file.
    static std::string IntegerText(int32_t value);
    static std::string CurrencyText(Money value);
    static std::string DateTimeText(double value);

private:
    struct NameField {
        size_t fieldStart;  // offset of the length digits
        size_t valueEnd;    // offset just behind the value
        std::string_view value;
    };

    void requireWritable(uint16_t readOnlyError, uint16_t notOpenError) const;
    [[noreturn]] static void refuseNumber(const std::string& text);
    void putField(std::string_view bytes);
    void putRaw(std::string_view bytes, size_t width, char pad);
    std::string_view takeRaw(size_t width);
    std::string_view readNumberField(uint16_t notOpenError);
    void indexNames();

    mTFileLoader* m_loader;
    bool m_readOnly;
    char* m_base = nullptr;
    size_t m_size = 0;
    size_t m_position = 0;
    std::string m_documentName;
    uint16_t m_major = 0;
    uint16_t m_minor = 0;
    std::string m_storageTag;
    std::string m_streamName;
    bool m_open = false;
    bool m_created = false;
    bool m_indexed = false;
    std::vector<NameField> m_names;
};

}  // namespace zizaza
