// The checks of the declaration's conditions and of the taxpayer: conditions and signer, personal
// data, and the OKTMO of the place of residence; in the whole-declaration check and on the screens.
#include "checks/DeclarationCheckRun.h"
#include "checks/IdentifierChecks.h"
#include "checks/PersonDocumentRules.h"
#include "checks/ScreenChecks.h"
#include "model/mTDeclaration.h"

#include <array>

namespace zizaza {
namespace {

constexpr const char* kInitialDataTitle = "Задание условий";
constexpr const char* kPersonTitle = "Сведения о декларанте";

constexpr std::string_view kNoInspection = "Не введен номер инспекции";
constexpr std::string_view kNoRepresentativeName = "Не указаны ФИО подписанта-представителя";
constexpr std::string_view kNoRepresentativeDocument = "Не указан документ, подтверждающий полномочия представителя";
constexpr std::string_view kNoRepresentativeOrganization = "Не указано наименование Юр.лица-представителя";
constexpr std::string_view kNoCategory = "Не выбран признак налогоплательщика";
constexpr std::string_view kNoSurname = "Не введена фамилия";
constexpr std::string_view kNoFirstName = "Не введено имя";
constexpr std::string_view kInnLength12 = "Длина ИНН должна быть равна 12 цифрам";
constexpr std::string_view kNoInn = "Не указан ИНН";
constexpr std::string_view kNoBirthPlace = "Не указано место рождения";
constexpr std::string_view kNoDocument = "Не указан документ, удостоверяющий личность";
constexpr std::string_view kNoSeries = "Не указаны серия и номер документа, удостоверяющего личность";
constexpr std::string_view kIssuedBeforeBirth = "Дата выдачи документа не может быть меньше даты рождения";
constexpr std::string_view kIssuedBeforeFourteen =
    "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет";
constexpr std::string_view kNoIssuer = "Не указано, кем выдан документ, удостоверяющий личность";

struct AreaRule {
    bool failing;
    std::string_view message;
    uint16_t item;
};

// A category this edition knows: a file of another edition or tool may hold another value, which
// the declaration's title page cannot carry.
bool KnownCategory(TaxpayerCategory category) {
    switch (category) {
        case TaxpayerCategory::Entrepreneur:
        case TaxpayerCategory::FarmHead:
        case TaxpayerCategory::Notary:
        case TaxpayerCategory::Lawyer:
        case TaxpayerCategory::Other:
        case TaxpayerCategory::ArbitrationManager:
            return true;
    }
    return false;
}

// The inspection, the taxpayer's category, then what the signer kind asks of the representative,
// in the order checked.
std::array<AreaRule, 5> ConditionRules(const mTDeclaration& doc) {
    const bool representative = doc.SignerKind != SignerKind::InPerson;
    return {{{doc.InspectionCode.empty(), kNoInspection, kItemInspection},
             {!KnownCategory(doc.TaxpayerCategory), kNoCategory, kItemTaxpayerCategory},
             {representative && IsBlank(doc.RepresentativeName), kNoRepresentativeName, kItemRepresentativeName},
             {representative && IsBlank(doc.RepresentativeDocument), kNoRepresentativeDocument,
              kItemRepresentativeDocument},
             {doc.SignerKind == SignerKind::RepresentativeOrganization && IsBlank(doc.RepresentativeOrganization),
              kNoRepresentativeOrganization, kItemRepresentativeOrganization}}};
}

bool OktmoLengthWrong(std::string_view oktmo) {
    const size_t length = CharCount(TrimBlanks(oktmo));
    return length != 0 && length != 8 && length != 11;
}

void CheckInnAndDocument(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    const mTPersonInformation& person = doc.Person;

    const InnCheck inn = CheckInn(person.Name.Inn, InnKind::NaturalPerson);
    if (inn == InnCheck::WrongLength12)
        run.Show(kInnLength12, kItemInn);
    else if (inn == InnCheck::WrongDigits)
        run.Show(kInnWrongMessage, kItemInn);

    const bool innRequired = doc.HasIncome(kIncomeBusiness) || doc.TaxpayerCategory == TaxpayerCategory::Entrepreneur ||
                             doc.DeclarationForm == kForm4Ndfl;
    if (run.SectionQuiet() && inn == InnCheck::Empty && innRequired)
        run.Show(doc.DeclarationForm == kForm4Ndfl
                     ? kNoInn
                     : "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН",
                 kItemInn);

    // Without a valid INN the tax office identifies the taxpayer by birth place and document.
    if (run.SectionQuiet() && inn != InnCheck::Valid && IsBlank(person.Document.BirthPlace))
        run.Show(kNoBirthPlace, kItemBirthPlace);
    if (run.SectionQuiet() && inn != InnCheck::Valid && person.Document.KindCode == 0)
        run.Show(kNoDocument, kItemDocumentKind);
}

void CheckIdentityDocument(DeclarationCheckRun& run) {
    const mTPersonDoc& document = run.Doc().Person.Document;
    if (document.KindCode == 0)
        return;
    if (run.SectionQuiet() && document.SeriesNumber.empty())
        run.Show(kNoSeries, kItemSeriesNumber);

    const IssueDateProblem issue = CheckIssueDate(document.KindCode, document.BirthDate, document.IssueDate);
    if (run.SectionQuiet() && issue == IssueDateProblem::BeforeBirth)
        run.Show(kIssuedBeforeBirth, kItemIssueDate);
    else if (run.SectionQuiet() && issue == IssueDateProblem::BeforeFourteen)
        run.Show(kIssuedBeforeFourteen, kItemIssueDate);
    if (run.SectionQuiet() && document.IssuedBy.empty())
        run.Show(kNoIssuer, kItemIssuedBy);
}

}  // namespace

void CheckInitialConditions(DeclarationCheckRun& run) {
    run.BeginSection(kScreenInitialData, kInitialDataTitle);
    // Here "Отмена" goes on to the next problem; "Исправить" ends the section.
    for (const AreaRule& rule : ConditionRules(run.Doc()))
        if (rule.failing && !run.LastAnswerWasFix())
            run.Show(rule.message, rule.item);
}

void CheckPersonData(DeclarationCheckRun& run) {
    const mTPersonName& name = run.Doc().Person.Name;
    run.BeginSection(kScreenPerson, kPersonTitle);
    if (name.Surname.empty())
        run.Show(kNoSurname, kItemSurname);
    if (run.SectionQuiet() && name.FirstName.empty())
        run.Show(kNoFirstName, kItemFirstName);
    if (run.SectionQuiet())
        CheckInnAndDocument(run);
    CheckIdentityDocument(run);
}

void CheckResidenceOktmo(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    run.BeginSection(kScreenInitialData, kInitialDataTitle);
    if (OktmoLengthWrong(doc.Person.Address.Oktmo))
        run.Show("Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов", kItemOktmo);
    if (run.SectionQuiet() && IsBlank(doc.Person.Address.Oktmo) &&
        (run.OktmoRequired() || doc.DeclarationForm == kForm4Ndfl))
        run.Show("Не введен код ОКТМО(8 или 11 симв.) по месту жительства", kItemOktmo);
}

uint16_t CheckInitialDataScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog) {
    AreaCheckRun run(dialog, kInitialDataTitle);
    for (const AreaRule& rule : ConditionRules(declaration))
        run.Problem(rule.failing, rule.message, rule.item);
    run.Problem(OktmoLengthWrong(declaration.Person.Address.Oktmo), "Код ОКТМО должен содержать 8 или 11 символов",
                kItemOktmo);
    return run.Result();
}

uint16_t CheckPersonScreen(const mTDeclaration& declaration, IAreaCheckDialog& dialog) {
    const mTPersonInformation& person = declaration.Person;
    const mTPersonDoc& document = person.Document;
    AreaCheckRun run(dialog, kPersonTitle);
    run.Problem(IsBlank(person.Name.Surname), kNoSurname, kItemSurname);
    run.Problem(IsBlank(person.Name.FirstName), kNoFirstName, kItemFirstName);
    const InnCheck inn = CheckInn(person.Name.Inn, InnKind::NaturalPerson);
    run.Problem(inn == InnCheck::WrongLength12, kInnLength12, kItemInn);
    run.Problem(inn == InnCheck::WrongDigits, kInnWrongMessage, kItemInn);
    run.Problem(inn == InnCheck::Empty, kNoInn, kItemInn);
    // Without a valid INN the taxpayer is identified by birth place and document; a 4-NDFL
    // declaration has neither on the screen.
    const bool identityAsked = inn != InnCheck::Valid && declaration.DeclarationForm != kForm4Ndfl;
    run.Problem(identityAsked && IsBlank(document.BirthPlace), kNoBirthPlace, kItemBirthPlace);
    run.Problem(identityAsked && document.KindCode == 0, kNoDocument, kItemDocumentKind);
    if (document.KindCode == 0)
        return run.Result();
    run.Problem(IsBlank(document.SeriesNumber), kNoSeries, kItemSeriesNumber);
    const IssueDateProblem issue = CheckIssueDate(document.KindCode, document.BirthDate, document.IssueDate);
    run.Problem(issue == IssueDateProblem::BeforeBirth, kIssuedBeforeBirth, kItemIssueDate);
    run.Problem(issue == IssueDateProblem::BeforeFourteen, kIssuedBeforeFourteen, kItemIssueDate);
    run.Problem(IsBlank(document.IssuedBy), kNoIssuer, kItemIssuedBy);
    return run.Result();
}

}  // namespace zizaza
