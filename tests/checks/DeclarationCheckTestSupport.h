#pragma once

#include "checks/DeclarationCheck.h"
#include "checks/ScriptedCheckAnswerer.h"
#include "model/mTDeclaration.h"

#include <memory>
#include <string>
#include <vector>

namespace zizaza::checktest {

inline constexpr CheckAnswer Fix = CheckAnswer::Fix;
inline constexpr CheckAnswer Cancel = CheckAnswer::Cancel;

// A resident declaration without any problem: inspection, name, a valid INN, the OKTMO.
inline std::unique_ptr<mTDeclaration> CleanDeclaration() {
    auto doc = NewShellDeclaration(Date::Ymd(2018, 3, 1));
    doc->InspectionCode = "7701";
    doc->Person.Name.Surname = "Иванов";
    doc->Person.Name.FirstName = "Иван";
    doc->Person.Name.Inn = "123456789047";
    doc->Person.Address.Oktmo = "45000000";
    return doc;
}

// A 13% source with one income line, so that it passes the source checks.
inline mTThirteenPercent& AddSource(mTDeclaration& doc, Money income = Money::Roubles(100000),
                                    Money withheld = Money::Roubles(13000)) {
    mTThirteenPercent& source = doc.ResidentIncome13(doc.AddResidentIncome13());
    source.Name = "ООО \"Ромашка\"";
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeAmount = income;
    line.Month = 1;
    source.AddLine(line);
    source.TaxWithheld = withheld;
    return source;
}

// A foreign income with currency, rate, units and income code filled in.
inline mTCurrencyIncome& AddCurrencyIncome(mTDeclaration& doc, int32_t incomeCode = 1010) {
    mTCurrencyIncome& income = doc.CurrencyIncome(doc.AddCurrencyIncome());
    income.IncomeCode = incomeCode;
    income.CurrencyCode = "840";
    income.IncomeRate = Money::FromRaw(575000);
    income.IncomeUnits = 1;
    return income;
}

// An entrepreneurial activity of the kind given with an acceptable OKVED code and no expenses.
inline mTBusinessNew& AddActivity(mTDeclaration& doc, const std::string& kind, bool itemized = true) {
    mTBusinessNew& record = doc.BusinessIncome(doc.AddBusinessIncome());
    record.ActivityKind = kind;
    record.OkvedCode = "62.01";
    record.Itemized = itemized;
    return record;
}

struct CheckResult {
    uint32_t code = 0;
    std::vector<ScriptedCheckAnswerer::Shown> shown;

    uint16_t Screen() const { return NavigationScreen(code); }
    uint16_t Item() const { return NavigationItem(code); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& s : shown)
            out.push_back(s.message);
        return out;
    }
};

// Runs the check with the answers given ("Отмена" once they are used up).
inline CheckResult RunCheck(const mTDeclaration& doc, std::vector<CheckAnswer> answers = {}, bool oktmoRequired = false,
                            bool listAll = false) {
    ScriptedCheckAnswerer answerer(std::move(answers));
    CheckResult result;
    result.code = CheckDeclaration(doc, oktmoRequired, answerer, DeclarationCheckOptions{listAll});
    result.shown = answerer.ShownProblems();
    return result;
}

}  // namespace zizaza::checktest
