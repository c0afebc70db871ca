// The sections about the declaration's conditions and the taxpayer: conditions and signer,
// personal data, and the OKTMO of the place of residence.
#include "checks/DeclarationCheckRun.h"
#include "checks/IdentifierChecks.h"
#include "checks/PersonDocumentRules.h"
#include "model/mTDeclaration.h"

namespace zizaza {
namespace {

constexpr const char* kInitialDataTitle = "Задание условий";
constexpr const char* kPersonTitle = "Сведения о декларанте";

constexpr uint16_t kSignerInPerson = 0;
constexpr uint16_t kSignerOrganization = 2;

void CheckInnAndDocument(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    const mTPersonInformation& person = doc.Person;

    const int inn = CheckInn(person.Name.Inn, kInnNaturalPerson);
    if (inn == kInnWrongLength12)
        run.Show("Длина ИНН должна быть равна 12 цифрам", 4);
    else if (inn == kInnWrongDigits)
        run.Show("Номер ИНН введен неверно", 4);

    const bool innRequired =
        doc.HasIncome(kIncomeBusiness) || doc.TaxpayerCategory == 0 || doc.DeclarationForm == kForm4Ndfl;
    if (run.SectionQuiet() && inn == kInnEmpty && innRequired)
        run.Show(doc.DeclarationForm == kForm4Ndfl
                     ? "Не указан ИНН"
                     : "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН",
                 4);

    // Without a valid INN the tax office identifies the taxpayer by birth place and document.
    if (run.SectionQuiet() && inn != kInnValid && IsBlank(person.Document.BirthPlace))
        run.Show("Не указано место рождения", 9);
    if (run.SectionQuiet() && inn != kInnValid && person.Document.KindCode == 0)
        run.Show("Не указан документ, удостоверяющий личность", 5);
}

void CheckIdentityDocument(DeclarationCheckRun& run) {
    const mTPersonDoc& document = run.Doc().Person.Document;
    if (document.KindCode == 0)
        return;
    if (run.SectionQuiet() && document.SeriesNumber.empty())
        run.Show("Не указаны серия и номер документа, удостоверяющего личность", 6);

    const IssueDateProblem issue = CheckIssueDate(document.KindCode, document.BirthDate, document.IssueDate);
    if (run.SectionQuiet() && issue == IssueDateProblem::BeforeBirth)
        run.Show("Дата выдачи документа не может быть меньше даты рождения", 7);
    else if (run.SectionQuiet() && issue == IssueDateProblem::BeforeFourteen)
        run.Show("Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет", 7);
    if (run.SectionQuiet() && document.IssuedBy.empty())
        run.Show("Не указано, кем выдан документ, удостоверяющий личность", 8);
}

}  // namespace

void CheckInitialConditions(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    run.BeginSection(kScreenInitialData, kInitialDataTitle);
    if (doc.InspectionCode.empty())
        run.Show("Не введен номер инспекции", 1);
    // Here "Отмена" goes on to the next problem; "Исправить" ends the section.
    if (!run.LastAnswerWasFix() && doc.SignerKind != kSignerInPerson && IsBlank(doc.RepresentativeName))
        run.Show("Не указаны ФИО подписанта-представителя", 3);
    if (!run.LastAnswerWasFix() && doc.SignerKind != kSignerInPerson && IsBlank(doc.RepresentativeDocument))
        run.Show("Не указан документ, подтверждающий полномочия представителя", 4);
    if (!run.LastAnswerWasFix() && doc.SignerKind == kSignerOrganization && IsBlank(doc.RepresentativeOrganization))
        run.Show("Не указано наименование Юр.лица-представителя", 5);
}

void CheckPersonData(DeclarationCheckRun& run) {
    const mTPersonName& name = run.Doc().Person.Name;
    run.BeginSection(kScreenPerson, kPersonTitle);
    if (name.Surname.empty())
        run.Show("Не введена фамилия", 1);
    if (run.SectionQuiet() && name.FirstName.empty())
        run.Show("Не введено имя", 2);
    if (run.SectionQuiet())
        CheckInnAndDocument(run);
    CheckIdentityDocument(run);
}

void CheckResidenceOktmo(DeclarationCheckRun& run) {
    const mTDeclaration& doc = run.Doc();
    run.BeginSection(kScreenInitialData, kInitialDataTitle);
    const std::string_view oktmo = TrimBlanks(doc.Person.Address.Oktmo);
    const size_t length = CharCount(oktmo);
    if (!oktmo.empty() && length != 8 && length != 11)
        run.Show("Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов", 10);
    if (run.SectionQuiet() && oktmo.empty() && (run.OktmoRequired() || doc.DeclarationForm == kForm4Ndfl))
        run.Show("Не введен код ОКТМО(8 или 11 симв.) по месту жительства", 10);
}

}  // namespace zizaza
