#pragma once

// The three passes over a record's fields: writing them to a storage, reading them back and
// counting the bytes the writing takes. A record describes its streams and fields once, as a
// template over the pass, so the three can never disagree.

#include "storage/Date.h"
#include "storage/Money.h"
#include "storage/StorageErrors.h"
#include "storage/mTDocumentStorage.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace zizaza::recordio {

// The count of a list is written as a word; a longer list cannot be saved.
inline constexpr uint16_t kErrListTooLong = 154;
// A nested list shorter than the reader accepts is refused on writing, never written.
inline constexpr uint16_t kErrListTooShort = 159;

// The word that counts a list in the file.
inline uint16_t WordCount(size_t n) {
    if (n > 0xFFFF)
        throw mEWriteStorage("Список содержит больше 65535 записей и не может быть сохранен в файле декларации.",
                             kErrListTooLong);
    return static_cast<uint16_t>(n);
}

class Writer {
public:
    static constexpr bool kLoading = false;
    explicit Writer(mTDocumentStorage& s) : m_s(s) {}

    void Stream(std::string_view name) { m_s.OpenStreamForWrite(name); }
    void Text(const std::string& v) { m_s.WriteString(v); }
    void Integer(const int32_t& v) { m_s.WriteInteger(v); }
    void Word(const uint16_t& v) { m_s.WriteWord(v); }
    void Byte(const uint8_t& v) { m_s.WriteByte(v); }
    void Flag(const bool& v) { m_s.WriteByte(v ? 1 : 0); }
    void Currency(const Money& v) { m_s.WriteCurrency(v); }
    void DateTime(const Date& v) {
        if (!Date::IsStorable(v.days()))
            throw mEWriteStorage("Дата " + v.ToText() +
                                     " вне допустимого диапазона (01.01.1900 - 31.12.2099) и не может быть сохранена "
                                     "в файле декларации.",
                                 kErrDateOutOfRange);
        m_s.WriteDateTime(v.days());
    }
    // A flag that older layouts may lack; written like any other.
    void ProtectedFlag(const bool& v) { Flag(v); }
    // A money slot that may hold no value: the text "a" marks the empty slot.
    void Slot(bool filled, Money v) {
        if (filled)
            m_s.WriteCurrency(v);
        else
            m_s.WriteString("a");
    }

    // A nested list: its count as a word, then each element.
    template <class V, class F>
    void List(const V& list, uint16_t minimum, F each) {
        if (list.size() < minimum)
            throw mEWriteStorage("Список короче допустимого и не может быть сохранен в файле декларации.",
                                 kErrListTooShort);
        m_s.WriteWord(WordCount(list.size()));
        for (const auto& e : list)
            each(e);
    }

    mTDocumentStorage& Storage() { return m_s; }

private:
    mTDocumentStorage& m_s;
};

class Reader {
public:
    static constexpr bool kLoading = true;
    explicit Reader(mTDocumentStorage& s) : m_s(s) {}

    void Stream(std::string_view name) { m_s.OpenStreamForRead(name); }
    void Text(std::string& v) { v = m_s.ReadString(); }
    void Integer(int32_t& v) { v = m_s.ReadInteger(); }
    void Word(uint16_t& v) { v = m_s.ReadWord(); }
    void Byte(uint8_t& v) { v = m_s.ReadByte(); }
    void Flag(bool& v) { v = m_s.ReadByte() != 0; }
    void Currency(Money& v) { v = m_s.ReadCurrency(); }
    // A date outside the storable range makes the file a damaged one.
    void DateTime(Date& v) {
        double days = m_s.ReadDateTime();
        if (!Date::IsStorable(days))
            RaiseStorageError(68);
        v = Date(days);
    }
    // Older layouts may hold something else here: whatever fails to read gives 0.
    void ProtectedFlag(bool& v) {
        try {
            v = m_s.ReadByte() != 0;
        } catch (const std::exception&) {
            v = false;
        }
    }

    // Fewer elements than the writers ever write make the file a damaged one.
    template <class V, class F>
    void List(V& list, uint16_t minimum, F each) {
        const uint16_t count = m_s.ReadWord();
        if (count < minimum)
            RaiseStorageError(68);
        list.clear();
        list.resize(count);
        for (auto& e : list)
            each(e);
    }

    mTDocumentStorage& Storage() { return m_s; }

private:
    mTDocumentStorage& m_s;
};

class Sizer {
public:
    static constexpr bool kLoading = false;

    void Stream(std::string_view name) { m_total += mTDocumentStorage::StringFieldSize(name); }
    void Text(const std::string& v) { m_total += mTDocumentStorage::StringFieldSize(v); }
    void Integer(const int32_t& v) { m_total += mTDocumentStorage::IntegerFieldSize(v); }
    void Word(const uint16_t& v) { m_total += mTDocumentStorage::WordFieldSize(v); }
    void Byte(const uint8_t& v) { m_total += mTDocumentStorage::ByteFieldSize(v); }
    void Flag(const bool& v) { m_total += mTDocumentStorage::ByteFieldSize(v ? 1 : 0); }
    void Currency(const Money& v) { m_total += mTDocumentStorage::CurrencyFieldSize(v); }
    void DateTime(const Date& v) { m_total += mTDocumentStorage::DateTimeFieldSize(v.days()); }
    void ProtectedFlag(const bool& v) { Flag(v); }
    void Slot(bool filled, Money v) {
        m_total += filled ? mTDocumentStorage::CurrencyFieldSize(v) : mTDocumentStorage::StringFieldSize("a");
    }

    template <class V, class F>
    void List(const V& list, uint16_t /*minimum*/, F each) {
        m_total += mTDocumentStorage::WordFieldSize(static_cast<uint16_t>(list.size()));
        for (const auto& e : list)
            each(e);
    }

    void Add(uint64_t bytes) { m_total += bytes; }
    uint64_t Total() const { return m_total; }

private:
    uint64_t m_total = 0;
};

// Appends n in decimal with at least three digits, zero-padded ("%.3u"). Stream names are built
// for every record read or written, so this stays clear of the printf machinery.
inline void AppendNumber(std::string& s, unsigned n) {
    char digits[12];
    int len = 0;
    do {
        digits[len++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (len < 3)
        digits[len++] = '0';
    while (len > 0)
        s += digits[--len];
}

// "@Name" followed by the position with at least three digits ("@NalogSub007").
inline std::string Numbered(std::string_view base, unsigned position) {
    std::string s;
    s.reserve(base.size() + 4);
    s.append(base);
    AppendNumber(s, position);
    return s;
}

// A line stream: the source's position, then the line's index, three digits at least each.
inline std::string Numbered(std::string_view base, unsigned position, unsigned line) {
    std::string s;
    s.reserve(base.size() + 8);
    s.append(base);
    AppendNumber(s, position);
    AppendNumber(s, line);
    return s;
}

// Runs f; a storage exception leaving it gets the caller number.
template <class F>
void WithCaller(uint16_t caller, F&& f) {
    try {
        f();
    } catch (mEPrivBase& e) {
        e.SetCallerNumber(caller);
        throw;
    }
}

// A coded field (an enum class) kept as its underlying word or integer: any stored value, known
// or not, comes back as it was.
template <class Io, class Code>
void Coded(Io& io, Code& code) {
    using Raw = std::underlying_type_t<Code>;
    static_assert(std::is_same_v<Raw, uint16_t> || std::is_same_v<Raw, int32_t>);
    if constexpr (Io::kLoading) {
        Raw raw = 0;
        if constexpr (std::is_same_v<Raw, uint16_t>)
            io.Word(raw);
        else
            io.Integer(raw);
        code = static_cast<Code>(raw);
    } else {
        const Raw raw = static_cast<Raw>(code);
        if constexpr (std::is_same_v<Raw, uint16_t>)
            io.Word(raw);
        else
            io.Integer(raw);
    }
}

}  // namespace zizaza::recordio
