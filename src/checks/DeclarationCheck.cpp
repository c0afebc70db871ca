#include "checks/DeclarationCheck.h"

#include "checks/DeclarationCheckRun.h"
#include "storage/TextCodec.h"

#include <algorithm>

namespace zizaza {

DeclarationCheckRun::DeclarationCheckRun(const mTDeclaration& declaration, const DeclarationCalcFacts& facts,
                                         ICheckAnswerer& answerer, bool listAll)
    : m_doc(declaration), m_facts(facts), m_answerer(answerer), m_listAll(listAll) {}

bool DeclarationCheckRun::Refunded(SourceList list, size_t index) const {
    const auto& refunded = m_facts.refundedSources;
    return std::find(refunded.begin(), refunded.end(), RefundedSource{list, index}) != refunded.end();
}

void DeclarationCheckRun::BeginSection(uint16_t screen, std::string_view title) {
    m_screen = screen;
    m_title = title;
    m_shownInSection = false;
}

void DeclarationCheckRun::Show(std::string_view message, uint16_t item) {
    m_lastAnswer = m_answerer.ShowProblem(std::string(m_title), std::string(message));
    m_item = m_lastAnswer == CheckAnswer::Fix ? item : kNavigationNotFixed;
    m_shownInSection = true;
    m_shownAny = true;
}

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

size_t CharCount(std::string_view text) {
    return CodePointCount(text);
}

uint32_t CheckDeclaration(const mTDeclaration& declaration, bool oktmoRequired, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options) {
    DeclarationCalcFacts facts;
    facts.oktmoRequired = oktmoRequired;
    return CheckDeclaration(declaration, facts, answerer, options);
}

uint32_t CheckDeclaration(const mTDeclaration& declaration, const DeclarationCalcFacts& facts, ICheckAnswerer& answerer,
                          const DeclarationCheckOptions& options) {
    DeclarationCheckRun run(declaration, facts, answerer, options.listAll);
    // Section 1 always runs; each later one only while nothing has been shown.
    CheckInitialConditions(run);
    using Section = void (*)(DeclarationCheckRun&);
    for (Section section : {CheckPersonData, CheckIncomes13, CheckSourceIdentifiers, CheckEntryRecords,
                            CheckCurrencyIncomes, CheckBusinessIncomes, CheckSocialDeductions, CheckStandardDeductions,
                            CheckPropertyDeductions, CheckResidenceOktmo, CheckExportedTexts}) {
        if (!run.MayEnterNextSection())
            break;
        section(run);
    }
    if (run.MayEnterNextSection() && facts.amountsOutOfRange) {
        run.BeginSection(kScreenInitialData, "Расчет налога");
        run.Show(
            "Налог не может быть рассчитан: суммы декларации в итоге превышают 15 знаков рублей. Проверьте "
            "введенные суммы доходов, расходов и вычетов",
            kItemAmounts);
    }
    return run.Result();
}

}  // namespace zizaza
