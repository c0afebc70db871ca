#include "dictionaries/Countries.h"

#include <algorithm>
#include <cctype>

#include "dictionaries/XmlDoc.h"

namespace zizaza {

std::vector<CodeName> LoadCountries(const std::string& path) {
    return ReadCodeList(XmlDoc::ParseFile(path));
}

std::string CountryCodeOf(std::string_view text) {
    auto same = [](std::string_view a, const char* b) {
        return a.size() == std::char_traits<char>::length(b) && std::equal(a.begin(), a.end(), b, [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) == y;
               });
    };
    for (const CountryLetters& c : CountryLetterCodes())
        if (text == c.code || same(text, c.alpha2) || same(text, c.alpha3))
            return c.code;
    return {};
}

}  // namespace zizaza
