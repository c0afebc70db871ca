#pragma once

#include "export/XmlDom.h"
#include "model/TaxpayerCodes.h"

#include <string>

namespace zizaza {

class mTDeclaration;

// "Документ" with the taxpayer (СвНП) and the signer (Подписант), child of the root.
XmlElement WriteTitlePage(XmlElement root, const mTDeclaration& declaration, const std::string& todayText);

// The 4-NDFL body (НДФЛ4), child of Документ.
void Write4NdflBody(XmlElement document, const mTDeclaration& declaration);

// The representative's name split into surname, first name and patronymic as the file wants
// them: surname and first name never empty (a blank stands in), patronymic possibly empty.
struct SplitName {
    std::string surname;
    std::string firstName;
    std::string patronymic;
};
SplitName SplitRepresentativeName(const std::string& name);

// ДокПредст of the taxpayer category; raises for a category the form does not know.
std::string TaxpayerCategoryCode(TaxpayerCategory category, bool ndfl4);

}  // namespace zizaza
