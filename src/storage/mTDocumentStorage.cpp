#include "storage/mTDocumentStorage.h"

#include "storage/Date.h"
#include "storage/NumberText.h"
#include "storage/StorageErrors.h"
#include "storage/TextCodec.h"
#include "storage/mTFileLoader.h"

#include <algorithm>
#include <cstring>

namespace zizaza {
namespace {

constexpr std::string_view kMagic = "ZEZI";
constexpr size_t kHeaderSize = 60;
constexpr size_t kMaxValueLength = 9999;

std::string padded(std::string_view text, size_t width, char pad) {
    if (text.size() >= width)
        return std::string(text.substr(0, width));
    return std::string(width - text.size(), pad) + std::string(text);
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

[[noreturn]] void badFormat() {
    RaiseStorageError(68);
}

// An optional sign, digits and at most one separator with digits around it.
bool IsDecimalText(std::string_view s, char separator) {
    size_t i = s.find_first_not_of(' ');
    size_t end = s.find_last_not_of(' ');
    if (i == std::string_view::npos)
        return false;
    s = s.substr(i, end - i + 1);
    if (s[0] == '-' || s[0] == '+')
        s.remove_prefix(1);
    size_t sep = s.find(separator);
    std::string_view whole = s.substr(0, sep);
    std::string_view fraction = sep == std::string_view::npos ? std::string_view() : s.substr(sep + 1);
    return (whole.empty() || allDigits(whole)) && (fraction.empty() || allDigits(fraction)) &&
           !(whole.empty() && fraction.empty());
}

int64_t toInteger(std::string_view text) {
    auto v = ParseInteger(text);
    if (!v)
        throw EConvertError("'" + Cp1251ToUtf8(text) + "' is not a valid integer value");
    return *v;
}

}  // namespace

mTDocumentStorage::mTDocumentStorage(mTFileLoader* loader)
    : m_loader(loader), m_readOnly(loader ? loader->ReadOnly() : true) {
    if (loader) {
        m_base = loader->Data();
        m_size = loader->Size();
    }
}

void mTDocumentStorage::CreateStorage(std::string_view name) {
    if (!m_loader)
        RaiseStorageError(50);
    if (m_readOnly)
        RaiseStorageError(51);
    if (m_open || m_created)
        RaiseStorageError(52);
    m_open = true;
    m_created = true;
    m_documentName = std::string(name);
    m_position = 0;
    putRaw(kMagic, 4, ' ');
    putRaw(Utf8ToCp1251(name).value_or(std::string(name)), 20, ' ');
    putRaw("1", 2, '0');
    putRaw("2", 2, '0');
    putRaw(std::string(32, 'F'), 32, ' ');
    m_major = 1;
    m_minor = 2;
    m_storageTag = std::string(32, 'F');
}

void mTDocumentStorage::OpenStorage() {
    if (m_open || m_created)
        RaiseStorageError(69);
    if (!m_base || m_size < kMagic.size() || std::string_view(m_base, 4) != kMagic) {
        CloseStorage();
        badFormat();
    }
    m_position = 4;
    m_open = true;
    if (m_size < kHeaderSize) {
        CloseStorage();
        badFormat();
    }
    std::string_view name = takeRaw(20);
    size_t first = name.find_first_not_of(' ');
    size_t last = name.find_last_not_of(' ');
    m_documentName =
        first == std::string_view::npos ? std::string() : Cp1251ToUtf8(name.substr(first, last - first + 1));
    m_major = static_cast<uint16_t>(toInteger(takeRaw(2)));
    m_minor = static_cast<uint16_t>(toInteger(takeRaw(2)));
    m_storageTag = Cp1251ToUtf8(takeRaw(32));
}

void mTDocumentStorage::CloseStorage() {
    m_position = 0;
    m_streamName.clear();
    m_open = false;
    m_created = false;
}

void mTDocumentStorage::OpenStreamForWrite(std::string_view name) {
    if (!m_open)
        RaiseStorageError(82);
    if (m_readOnly)
        RaiseStorageError(81);
    putField(name);
    m_streamName = std::string(name);
}

void mTDocumentStorage::indexNames() {
    // Walk the fields from the header on and remember those that may be stream names. The walk
    // ends at the first zero byte or at the first field that is not a field (a damaged tail).
    m_names.clear();
    size_t pos = kHeaderSize;
    while (pos + 4 <= m_size) {
        std::string_view len(m_base + pos, 4);
        if (!allDigits(len))
            break;
        size_t n = static_cast<size_t>(std::stoi(std::string(len)));
        size_t valueStart = pos + 4;
        if (valueStart + n > m_size)
            break;
        std::string_view value(m_base + valueStart, n);
        if (value.find('\0') != std::string_view::npos)
            break;
        if (n > 0 && value[0] == '@')
            m_names.push_back({pos, valueStart + n, value});
        pos = valueStart + n;
    }
    m_indexed = true;
}

void mTDocumentStorage::OpenStreamForRead(std::string_view name) {
    if (!m_open)
        RaiseStorageError(211);
    if (!m_indexed)
        indexNames();
    std::string wanted = Utf8ToCp1251(name).value_or(std::string(name));
    auto from = std::lower_bound(m_names.begin(), m_names.end(), m_position,
                                 [](const NameField& f, size_t p) { return f.fieldStart < p; });
    auto match = [&](const NameField& f) { return f.value == wanted; };
    auto it = std::find_if(from, m_names.end(), match);
    if (it == m_names.end()) {
        it = std::find_if(m_names.begin(), from, match);
        if (it == from)
            RaiseStorageError(210);
    }
    m_position = it->valueEnd;
    m_streamName = std::string(name);
}

void mTDocumentStorage::requireWritable(uint16_t readOnlyError, uint16_t notOpenError) const {
    if (m_readOnly)
        RaiseStorageError(readOnlyError);
    if (!m_open)
        RaiseStorageError(notOpenError);
}

void mTDocumentStorage::putRaw(std::string_view bytes, size_t width, char pad) {
    if (width == 0 || bytes.empty())
        return;
    if (m_position + width > m_size)
        badFormat();
    std::string text = padded(bytes, width, pad);
    std::memcpy(m_base + m_position, text.data(), width);
    m_position += width;
}

void mTDocumentStorage::putField(std::string_view bytes) {
    if (m_position + 4 + bytes.size() > m_size)
        badFormat();
    putRaw(std::to_string(bytes.size()), 4, '0');
    putRaw(bytes, bytes.size(), ' ');
}

std::string_view mTDocumentStorage::takeRaw(size_t width) {
    if (m_position + width > m_size)
        badFormat();
    std::string_view s(m_base + m_position, width);
    m_position += width;
    return s;
}

bool mTDocumentStorage::WriteString(std::string_view text, char) {
    requireWritable(150, 151);
    auto bytes = Utf8ToCp1251(text);
    if (!bytes)
        throw mEWriteStorage("Текст содержит знаки, которые нельзя сохранить в файле декларации: " + std::string(text),
                             kErrTextNotCp1251);
    if (bytes->size() > kMaxValueLength)
        throw mEWriteStorage("Текст длиннее 9999 знаков не может быть сохранен в файле декларации.", kErrTextTooLong);
    if (bytes->find('\0') != std::string::npos)
        throw mEWriteStorage("Текст содержит нулевой знак и не может быть сохранен в файле декларации.",
                             kErrZeroInText);
    putField(*bytes);
    return true;
}

bool mTDocumentStorage::WriteInteger(int32_t value, char) {
    requireWritable(160, 161);
    putField(IntegerText(value));
    return true;
}

bool mTDocumentStorage::WriteWord(uint16_t value, char) {
    requireWritable(170, 171);
    putField(std::to_string(value));
    return true;
}

bool mTDocumentStorage::WriteCurrency(Money value, char) {
    requireWritable(180, 181);
    std::string text = CurrencyText(value);
    if (!Money::Parse(text))  // the one count outside the range: the most negative
        refuseNumber(text);
    putField(text);
    return true;
}

bool mTDocumentStorage::WriteDateTime(double value, char) {
    requireWritable(190, 191);
    // The fifteen digits of the text must read back as a number: not so for "NAN", "INF" or a
    // value rounded up past the largest double.
    std::string text = DateTimeText(value);
    if (!ParseFloat(text))
        refuseNumber(text);
    putField(text);
    return true;
}

void mTDocumentStorage::refuseNumber(const std::string& text) {
    throw mEWriteStorage("Число " + text + " не может быть сохранено в файле декларации.", kErrNumberNotStorable);
}

bool mTDocumentStorage::WriteByte(uint8_t value, char) {
    requireWritable(200, 201);
    putField(std::to_string(value));
    return true;
}

std::string mTDocumentStorage::ReadString() {
    if (!m_open)
        RaiseStorageError(93);
    auto n = static_cast<size_t>(static_cast<uint16_t>(toInteger(takeRaw(4))));
    std::string_view bytes = takeRaw(n);
    // No writer puts a zero byte into a text: it would end the stream index on the next read.
    if (bytes.find('\0') != std::string_view::npos)
        badFormat();
    return Cp1251ToUtf8(bytes);
}

std::string_view mTDocumentStorage::readNumberField(uint16_t notOpenError) {
    if (!m_open)
        RaiseStorageError(notOpenError);
    auto n = static_cast<size_t>(static_cast<uint16_t>(toInteger(takeRaw(4))));
    return takeRaw(n == 0 ? 1 : n);  // a stored length of 0 reads one character
}

int32_t mTDocumentStorage::ReadInteger() {
    return static_cast<int32_t>(static_cast<uint32_t>(toInteger(readNumberField(102))));
}

uint16_t mTDocumentStorage::ReadWord() {
    return static_cast<uint16_t>(toInteger(readNumberField(112)));
}

uint8_t mTDocumentStorage::ReadByte() {
    return static_cast<uint8_t>(toInteger(readNumberField(142)));
}

Money mTDocumentStorage::ReadCurrency() {
    std::string_view text = readNumberField(122);
    // "a" marks a money slot that holds no value; it reads as -1.
    if (text == "a")
        return Money::Roubles(-1);
    if (auto v = Money::Parse(text, '.'))
        return *v;
    if (auto v = Money::Parse(text, ','))
        return *v;
    // A number, but more than 15 digits of roubles: no field of the form holds it.
    if (IsDecimalText(text, '.') || IsDecimalText(text, ','))
        badFormat();
    throw EConvertError("'" + Cp1251ToUtf8(text) + "' is not a valid floating point value");
}

double mTDocumentStorage::ReadDateTime() {
    std::string_view text = readNumberField(132);
    uint32_t version = uint32_t(m_major) * 65536 + m_minor;
    // Files stamped before 1.2 hold dates as "DD.MM.YYYY" text.
    for (char sep : {'.', ','}) {
        if (version >= 65538) {
            if (auto v = ParseFloat(text, sep))
                return *v;
        } else if (auto d = Date::Parse(text, sep)) {
            return d->days();
        }
    }
    throw EConvertError("'" + Cp1251ToUtf8(text) + "' is not a valid date");
}

std::string mTDocumentStorage::IntegerText(int32_t value) {
    return std::to_string(static_cast<uint32_t>(value));
}

std::string mTDocumentStorage::CurrencyText(Money value) {
    return value.ToText('.');
}

std::string mTDocumentStorage::DateTimeText(double value) {
    return GeneralFloatText(value, '.');
}

uint32_t mTDocumentStorage::StringFieldSize(std::string_view text) {
    return static_cast<uint32_t>(4 + CodePointCount(text));
}

uint32_t mTDocumentStorage::IntegerFieldSize(int32_t value) {
    return static_cast<uint32_t>(4 + IntegerText(value).size());
}

uint32_t mTDocumentStorage::WordFieldSize(uint16_t value) {
    return static_cast<uint32_t>(4 + std::to_string(value).size());
}

uint32_t mTDocumentStorage::ByteFieldSize(uint8_t value) {
    return static_cast<uint32_t>(4 + std::to_string(value).size());
}

uint32_t mTDocumentStorage::CurrencyFieldSize(Money value) {
    return static_cast<uint32_t>(4 + CurrencyText(value).size());
}

uint32_t mTDocumentStorage::DateTimeFieldSize(double value) {
    return static_cast<uint32_t>(4 + DateTimeText(value).size());
}

}  // namespace zizaza
