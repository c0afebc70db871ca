#include "dictionaries/Countries.h"

#include "dictionaries/XmlDoc.h"

namespace zizaza {

std::vector<CodeName> LoadCountries(const std::string& path) {
    return ReadCodeList(XmlDoc::ParseFile(path));
}

}  // namespace zizaza
