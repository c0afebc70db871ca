#pragma once

#include <string>
#include <vector>

// The documents the tax office asks to be attached to the declaration for each deduction claimed
// and for the tax paid abroad, with the article of the Tax Code that gives the right.

namespace zizaza {

class HtmlText;
class mTDeclaration;

struct DocumentsToAttach {
    std::string claim;      // "Социальный вычет на лечение"
    std::string documents;  // what to attach
    std::string article;    // "подпункт 3 пункта 1 статьи 219 НК РФ"
};

// One entry for each kind of claim the declaration makes, in the order of the form's sheets.
std::vector<DocumentsToAttach> AttachmentsFor(const mTDeclaration& doc);

namespace report {
// The section "Что приложить к декларации" of the report; nothing when nothing is claimed.
void WriteAttachments(HtmlText& out, const mTDeclaration& doc);
}  // namespace report

}  // namespace zizaza
