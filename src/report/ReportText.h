#pragma once

#include "storage/Money.h"

#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class kTSvodSum;
class kTSvodSumList;
class mTDeclaration;

// Figures as the reader sees them: "1 234 567,89". Kopecks always; a value that is not a whole
// number of kopecks keeps its further digits, so that the text is exact. The thousands are
// separated by the given text (a no-break space in HTML, a blank in plain text).
std::string MoneyText(Money value, std::string_view thousands = " ");

// The tax year as the texts name it: "за 2017 год".
std::string ForTaxYear();

// A limit of the Tax Code in whole roubles as the reader sees it: "1 000 000 руб.".
std::string LimitText(Money limit);

// A rate of the tax as the reader sees it: "13%".
std::string PercentText(int percent);

// One figure of a section 2 block: its value in the block, the declaration's name for it, the
// reader's name and the article of the Tax Code that governs it.
struct Section2Figure {
    Money kTSvodSumList::*value;
    const char* name;
    const char* label;
    const char* article;
};
const std::vector<Section2Figure>& Section2Figures();

// One block of section 2 with its short key (used to mark figures in the report), its title and
// the article that sets its rate.
struct Section2Block {
    const char* key;
    std::string title;
    const char* article;
    const kTSvodSumList& (*get)(const kTSvodSum&);
};
const std::vector<Section2Block>& Section2Blocks();

// Whether any figure of the block is not 0.
bool BlockHasFigures(const kTSvodSumList& block);

// What a budget classification code of section 1 stands for.
const char* KbkMeaning(const std::string& kbk);

// "3-НДФЛ", "3-НДФЛ (нерезидент)", "4-НДФЛ".
const char* FormTitle(const mTDeclaration& doc);

// Surname, first name and patronymic joined by blanks.
std::string PersonName(const mTDeclaration& doc);

// The outcome of section 1: totals to pay and to refund.
struct Outcome {
    Money toPay;
    Money toRefund;
};
Outcome OutcomeOf(const kTSvodSum& sum);

// The filing and payment dates that apply to the declaration, as sentences with their articles;
// none for 4-NDFL.
std::vector<std::string> DueDates(const mTDeclaration& doc, const kTSvodSum& sum);

}  // namespace zizaza
