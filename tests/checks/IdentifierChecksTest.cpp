#include "checks/IdentifierChecks.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace zizaza {
namespace {

struct InnCase {
    const char* text;
    InnKind kind;
    InnCheck expected;
};

class CheckInnTest : public ::testing::TestWithParam<InnCase> {};

TEST_P(CheckInnTest, GivesTheCode) {
    const InnCase& c = GetParam();
    EXPECT_EQ(CheckInn(c.text, c.kind), c.expected) << "INN \"" << c.text << "\" kind " << static_cast<int>(c.kind);
}

INSTANTIATE_TEST_SUITE_P(RealAndBrokenNumbers, CheckInnTest,
                         ::testing::Values(
                             // Organisations of the real register.
                             InnCase{"7707083893", InnKind::Organization, InnCheck::Valid},
                             InnCase{"7736050003", InnKind::Organization, InnCheck::Valid},
                             InnCase{"7702070139", InnKind::Any, InnCheck::Valid},
                             InnCase{"7736207543", InnKind::Any, InnCheck::Valid},
                             InnCase{"7707329152", InnKind::Organization, InnCheck::Valid},
                             InnCase{"1234567894", InnKind::Organization, InnCheck::Valid},
                             // One digit off.
                             InnCase{"1234567895", InnKind::Organization, InnCheck::WrongDigits},
                             InnCase{"7707083894", InnKind::Organization, InnCheck::WrongDigits},
                             InnCase{"7736207544", InnKind::Any, InnCheck::WrongDigits},
                             // Natural persons: both control digits count.
                             InnCase{"123456789047", InnKind::NaturalPerson, InnCheck::Valid},
                             InnCase{"500100732259", InnKind::NaturalPerson, InnCheck::Valid},
                             InnCase{"773370857141", InnKind::Any, InnCheck::Valid},
                             InnCase{"500100732258", InnKind::NaturalPerson, InnCheck::WrongDigits},
                             InnCase{"500100732269", InnKind::NaturalPerson, InnCheck::WrongDigits},
                             // All zeros pass the weights but are no number; a length rule comes first.
                             InnCase{"000000000000", InnKind::NaturalPerson, InnCheck::WrongDigits},
                             InnCase{"0000000000", InnKind::Any, InnCheck::WrongDigits},
                             InnCase{"0000000000", InnKind::Organization, InnCheck::WrongDigits},
                             InnCase{"0000000000", InnKind::NaturalPerson, InnCheck::WrongLength12},
                             InnCase{"000000000000", InnKind::Organization, InnCheck::WrongLength10},
                             // Lengths by kind.
                             InnCase{"77070838931", InnKind::Any, InnCheck::WrongLength},
                             InnCase{"7707083893", InnKind::NaturalPerson, InnCheck::WrongLength12},
                             InnCase{"500100732259", InnKind::Organization, InnCheck::WrongLength10},
                             InnCase{"770708", InnKind::Any, InnCheck::WrongLength},
                             // Blanks are trimmed; nothing left is "empty" for every kind.
                             InnCase{"", InnKind::Any, InnCheck::Empty},
                             InnCase{"   ", InnKind::Organization, InnCheck::Empty},
                             InnCase{" \t", InnKind::NaturalPerson, InnCheck::Empty},
                             InnCase{"  7707083893 ", InnKind::Organization, InnCheck::Valid},
                             // Letters never pass.
                             InnCase{"77070838ab", InnKind::Organization, InnCheck::WrongDigits}));

TEST(CheckKppTest, GivesTheCode) {
    struct {
        const char* text;
        KppCheck expected;
    } cases[] = {
        {"773601001", KppCheck::Valid}, {" 773601001 ", KppCheck::Valid},    {"", KppCheck::Empty},
        {"   ", KppCheck::Empty},       {"77360100", KppCheck::WrongLength}, {"7736010011", KppCheck::WrongLength},
        {"000000000", KppCheck::Zeros}, {"00000000", KppCheck::WrongLength}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckKpp(c.text), c.expected) << "KPP \"" << c.text << "\"";
}

// Answers the problems from a script (closing the dialog when the script runs out) and keeps
// what was shown.
class ScriptedDialog : public ISourceCheckDialog {
public:
    struct Shown {
        std::string title;
        std::string message;
        bool skipEnabled;
    };

    explicit ScriptedDialog(std::deque<CheckDialogAnswer> answers = {}) : m_answers(std::move(answers)) {}

    CheckDialogAnswer ShowProblem(std::string_view title, std::string_view message, bool skipEnabled) override {
        shown.push_back({std::string(title), std::string(message), skipEnabled});
        if (m_answers.empty())
            return CheckDialogAnswer::Closed;
        CheckDialogAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            out.push_back(s.message);
        return out;
    }

    std::vector<Shown> shown;

private:
    std::deque<CheckDialogAnswer> m_answers;
};

using Messages = std::vector<std::string>;
const std::string kMissingOktmo = "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";

TEST(CheckPaymentSourceTest, OrganisationWithoutKppAsksForTheKpp) {
    ScriptedDialog dialog({CheckDialogAnswer::Fix});
    EXPECT_EQ(CheckPaymentSource(dialog, kSectionIncome13, "ПАО Сбербанк", true, "45000000", "", "7707083893"),
              SourceField::Kpp);
    EXPECT_EQ(dialog.Messages(), Messages{"Отсутствует КПП"});
    EXPECT_EQ(dialog.shown[0].title, kSectionIncome13);
    EXPECT_FALSE(dialog.shown[0].skipEnabled);
}

TEST(CheckPaymentSourceTest, NaturalPersonWithKppIsRefused) {
    ScriptedDialog dialog({CheckDialogAnswer::Fix});
    EXPECT_EQ(
        CheckPaymentSource(dialog, kSectionIncome13, "Иванов И.И.", true, "45000000", "773601001", "500100732259"),
        SourceField::Inn);
    EXPECT_EQ(dialog.Messages(), Messages{"Длина ИНН для юрлиц должна быть равна 10 цифрам"});
}

TEST(CheckPaymentSourceTest, MissingOktmoMayBeSkippedWhenTheCallerAllowsIt) {
    ScriptedDialog skip({CheckDialogAnswer::Skip});
    EXPECT_EQ(CheckPaymentSource(skip, kSectionIncome13, "ООО Ромашка", true, "", "773601001", "7707083893"),
              SourceField::None);
    ASSERT_EQ(skip.Messages(), Messages{kMissingOktmo});
    EXPECT_TRUE(skip.shown[0].skipEnabled);

    ScriptedDialog fix({CheckDialogAnswer::Fix});
    EXPECT_EQ(CheckPaymentSource(fix, kSectionIncome35, "ООО Ромашка", true, "  ", "773601001", "7707083893"),
              SourceField::Oktmo);

    ScriptedDialog partnership;
    CheckPaymentSource(partnership, kSectionInvestPartnership, "Товарищество", false, "", "773601001", "7707083893");
    ASSERT_EQ(partnership.shown.size(), 1u);
    EXPECT_FALSE(partnership.shown[0].skipEnabled);
}

TEST(CheckPaymentSourceTest, AnEarlierProblemDisablesSkippingForTheRun) {
    ScriptedDialog dialog;  // closes every dialog
    EXPECT_EQ(CheckPaymentSource(dialog, kSectionIncome13, " ", true, "", "", ""), SourceField::None);
    ASSERT_EQ(dialog.Messages(), (Messages{"Не заполненно поле \"Наименование источника выплаты\"", kMissingOktmo}));
    EXPECT_FALSE(dialog.shown[1].skipEnabled);
}

TEST(CheckPaymentSourceTest, ShowsEveryRuleInOrderUntilOneIsFixed) {
    // Wrong OKTMO length, wrong control digit and no KPP: three problems.
    ScriptedDialog closed;
    EXPECT_EQ(CheckPaymentSource(closed, kSectionIncome13, "ООО", true, "1234567", "", "7707083894"),
              SourceField::None);
    EXPECT_EQ(closed.Messages(),
              (Messages{"Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При продаже имущества физ.лицу - "
                        "не нужен)",
                        "Номер ИНН введен неверно", "Отсутствует КПП"}));

    // "Исправить" at the second problem ends the run there with its field.
    ScriptedDialog fixSecond({CheckDialogAnswer::Skip, CheckDialogAnswer::Fix});
    EXPECT_EQ(CheckPaymentSource(fixSecond, kSectionIncome13, "ООО", true, "1234567", "", "7707083894"),
              SourceField::Inn);
    EXPECT_EQ(fixSecond.shown.size(), 2u);
}

TEST(CheckPaymentSourceTest, InnAndKppRules) {
    struct {
        const char* inn;
        const char* kpp;
        Messages expected;
    } cases[] = {
        {"", "", {}},  // neither INN nor KPP: a natural person without an INN
        {"500100732259", "", {}},
        {"7707083893", "773601001", {}},
        {"77070838931", "", {"Длина ИНН должна быть равна 10 или 12 цифрам"}},
        {"", "773601001", {"Введите ИНН"}},
        {"7707083893", "77360100", {"Длина КПП должна быть равна 9 цифрам"}},
        {"7707083893", "000000000", {"Некорректный КПП"}},
        {"0000000000", "773601001", {"Номер ИНН введен неверно"}},
    };
    for (const auto& c : cases) {
        ScriptedDialog dialog;
        CheckPaymentSource(dialog, kSectionIncome13, "Источник", true, "45382000000", c.kpp, c.inn);
        EXPECT_EQ(dialog.Messages(), c.expected) << "INN \"" << c.inn << "\" KPP \"" << c.kpp << "\"";
    }
}

TEST(CheckOrganizationSourceTest, DividendsFromANaturalPersonInn) {
    ScriptedDialog dialog;
    EXPECT_EQ(
        CheckOrganizationSource(dialog, kSectionDividends, "АО Дивиденд", "45000000", "773601001", "500100732259"),
        SourceField::None);
    EXPECT_EQ(dialog.Messages(),
              (Messages{"Длина ИНН должна быть равна 10 цифрам", "Длина ИНН для юрлиц должна быть равна 10 цифрам"}));
    for (const auto& s : dialog.shown) {
        EXPECT_FALSE(s.skipEnabled);
        EXPECT_EQ(s.title, kSectionDividends);
    }
}

TEST(CheckOrganizationSourceTest, Rules) {
    struct {
        const char* name;
        const char* oktmo;
        const char* kpp;
        const char* inn;
        Messages expected;
    } cases[] = {
        {"АО", "45000000", "773601001", "7707083893", {}},
        {"НПФ", kPensionContractOktmo.data(), "773601001", "7707083893", {}},
        {"АО", "", "773601001", "7707083893", {"Не введен код ОКТМО(8 или 11 симв.)"}},
        {"АО", "123456789", "773601001", "7707083893", {"Не введен код ОКТМО(8 или 11 симв.)"}},
        {"", "45000000", "773601001", "7707083893", {"Не заполненно поле \"Наименование источника выплаты\""}},
        {"АО", "45000000", "", "7707083893", {"Отсутствует КПП"}},
        {"АО", "45000000", "773601001", "", {"Введите ИНН"}},
        {"АО", "45000000", "773601001", "7707083894", {"Номер ИНН введен неверно"}},
        {"АО", "45000000", "", "", {"Отсутствует КПП", "Введите ИНН"}},
    };
    for (const auto& c : cases) {
        ScriptedDialog dialog;
        CheckOrganizationSource(dialog, kSectionPensionContracts, c.name, c.oktmo, c.kpp, c.inn);
        EXPECT_EQ(dialog.Messages(), c.expected) << c.name << " / " << c.oktmo << " / " << c.kpp << " / " << c.inn;
    }
}

TEST(CheckOrganizationSourceTest, FixReturnsTheFieldOfTheProblem) {
    struct {
        const char* name;
        const char* oktmo;
        const char* kpp;
        const char* inn;
        SourceField field;
    } cases[] = {
        {"", "45000000", "773601001", "7707083893", SourceField::Name},
        {"АО", "4500", "773601001", "7707083893", SourceField::Oktmo},
        {"АО", "45000000", "7736", "7707083893", SourceField::Kpp},
        {"АО", "45000000", "773601001", "770708389", SourceField::Inn},
    };
    for (const auto& c : cases) {
        ScriptedDialog dialog({CheckDialogAnswer::Fix});
        EXPECT_EQ(CheckOrganizationSource(dialog, kSectionIncome9, c.name, c.oktmo, c.kpp, c.inn), c.field);
        EXPECT_EQ(dialog.shown.size(), 1u);
    }
}

}  // namespace
}  // namespace zizaza
