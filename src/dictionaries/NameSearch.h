#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

// What the user typed into a picker's search field, matched against the code and the name of a
// row. A text of digits (with points) finds the codes that begin with it. Otherwise every typed
// word must begin a word of the name: a word of letters by its stem, so that "Москва" finds
// "по г.Москве" and "Тверь" finds "Тверской области", a number by its digits ("1" finds "№10"
// and the codes that begin with 1). Case, "ё" written as "е" and the punctuation between words do
// not matter. Texts are UTF-8.
class NameSearch {
public:
    explicit NameSearch(std::string_view typed);

    bool Empty() const { return m_code.empty() && m_words.empty(); }
    bool Matches(std::string_view code, std::string_view name) const;

private:
    struct Word {
        std::u32string text;
        bool number = false;
    };

    std::string m_code;
    std::vector<Word> m_words;
};

}  // namespace zizaza
