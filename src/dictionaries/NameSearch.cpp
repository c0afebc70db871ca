#include "dictionaries/NameSearch.h"

#include <algorithm>
#include <array>

#include "storage/TextCodec.h"

namespace zizaza {

namespace {

// The case endings of Russian nouns and adjectives, longer ones first, that a typed word loses
// before it is looked for at the start of the name's words.
constexpr std::array<std::u32string_view, 38> kEndings = {
    U"ыми", U"ими", U"ого", U"его", U"ому", U"ему", U"ая", U"яя", U"ое", U"ее", U"ой", U"ей", U"ий",
    U"ый",  U"ую",  U"юю",  U"ом",  U"ем",  U"ам",  U"ям", U"ах", U"ях", U"ов", U"ев", U"ых", U"их",
    U"ым",  U"им",  U"а",   U"я",   U"о",   U"е",   U"и",  U"ы",  U"у",  U"ю",  U"ь",  U"й"};
// A stem keeps at least this many letters, so that a short word is looked for as typed.
constexpr size_t kShortestStem = 2;

char32_t Folded(char32_t c) {
    if (c >= U'А' && c <= U'Я')
        return c + (U'а' - U'А');
    if (c == U'Ё' || c == U'ё')
        return U'е';
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    return c;
}

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool IsLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'а' && c <= U'я');
}

// The words of a text: runs of letters and runs of digits, folded; everything else separates.
std::vector<std::u32string> Words(std::string_view utf8) {
    std::vector<std::u32string> words;
    std::u32string current;
    bool currentDigits = false;
    size_t pos = 0;
    char32_t cp = 0;
    auto flush = [&] {
        if (!current.empty())
            words.push_back(std::move(current));
        current.clear();
    };
    while (pos < utf8.size()) {
        if (!NextCodePoint(utf8, pos, cp)) {
            ++pos;
            flush();
            continue;
        }
        const char32_t c = Folded(cp);
        const bool digit = IsDigit(c);
        if (!digit && !IsLetter(c)) {
            flush();
            continue;
        }
        if (!current.empty() && digit != currentDigits)
            flush();
        currentDigits = digit;
        current.push_back(c);
    }
    flush();
    return words;
}

std::u32string Stem(std::u32string word) {
    for (std::u32string_view ending : kEndings)
        if (word.size() >= ending.size() + kShortestStem && word.ends_with(ending)) {
            word.resize(word.size() - ending.size());
            break;
        }
    return word;
}

bool IsCodeText(std::string_view text) {
    return !text.empty() && IsDigit(static_cast<unsigned char>(text.front())) &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

NameSearch::NameSearch(std::string_view typed) {
    const std::string_view text = Trimmed(typed);
    if (IsCodeText(text)) {
        m_code = text;
        return;
    }
    for (std::u32string& word : Words(text)) {
        const bool number = IsDigit(word.front());
        m_words.push_back({number ? std::move(word) : Stem(std::move(word)), number});
    }
}

bool NameSearch::Matches(std::string_view code, std::string_view name) const {
    if (!m_code.empty())
        return code.starts_with(m_code);
    const std::vector<std::u32string> nameWords = Words(name);
    std::u32string codeText;
    for (const std::u32string& w : Words(code))
        codeText += w;
    for (const Word& typed : m_words) {
        if (typed.number && codeText.starts_with(typed.text))
            continue;
        const bool found = std::any_of(nameWords.begin(), nameWords.end(),
                                       [&typed](const std::u32string& w) { return w.starts_with(typed.text); });
        if (!found)
            return false;
    }
    return true;
}

}  // namespace zizaza
