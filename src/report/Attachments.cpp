#include "report/Attachments.h"

#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "report/HtmlText.h"

#include <algorithm>

namespace zizaza {
namespace {

bool anyChild(const mTStandartDeduct& s) {
    auto any = [](bool constant, int32_t count, const mTStandartDeduct::MonthlyCounts& monthly) {
        return constant ? count > 0 : std::any_of(monthly.begin(), monthly.end(), [](int32_t n) { return n > 0; });
    };
    return any(s.ChildrenConstant, s.ChildrenCount, s.MonthlyChildren) ||
           any(s.DisabledConstant, s.DisabledCount, s.MonthlyDisabled) ||
           any(s.ThirdConstant, s.ThirdCount, s.MonthlyThird);
}

bool positive(Money m) {
    return m > Money();
}

}  // namespace

std::vector<DocumentsToAttach> AttachmentsFor(const mTDeclaration& doc) {
    std::vector<DocumentsToAttach> list;
    const mTStandartDeduct& standard = doc.StandardDeductions;
    if (standard.Granted && anyChild(standard))
        list.push_back({"Стандартный вычет на детей",
                        "свидетельства о рождении (усыновлении) детей; на ребенка старше 18 лет, учащегося очно, - "
                        "справка учебного заведения; на ребенка-инвалида - справка об инвалидности; единственному "
                        "родителю - документ, подтверждающий этот статус",
                        "подпункт 4 пункта 1 статьи 218 НК РФ"});
    const mTSocialDeduct& social = doc.SocialDeductions;
    if (social.Granted) {
        if (positive(social.Charity))
            list.push_back({"Социальный вычет на благотворительность",
                            "договоры (соглашения) о пожертвовании и платежные документы о перечислении средств",
                            "подпункт 1 пункта 1 статьи 219 НК РФ"});
        if (positive(social.OwnEducation) || social.ChildEducationCount() > 0)
            list.push_back({"Социальный вычет на обучение",
                            "договор с образовательной организацией и копия ее лицензии (если реквизиты лицензии "
                            "не указаны в договоре), платежные документы; за обучение детей, брата или сестры - "
                            "также свидетельство о рождении и справка об очной форме обучения",
                            "подпункт 2 пункта 1 статьи 219 НК РФ"});
        if (positive(social.Medical) || positive(social.ExpensiveMedical))
            list.push_back({"Социальный вычет на лечение",
                            "договор с медицинской организацией и копия ее лицензии, справка об оплате медицинских "
                            "услуг для представления в налоговые органы, рецептурные бланки и платежные документы "
                            "на лекарства; за лечение родственников - документы о родстве",
                            "подпункт 3 пункта 1 статьи 219 НК РФ"});
        if (positive(social.VoluntaryInsurance))
            list.push_back({"Социальный вычет по договору добровольного медицинского страхования",
                            "договор (полис) добровольного личного страхования, копия лицензии страховой "
                            "организации, платежные документы",
                            "подпункт 3 пункта 1 статьи 219 НК РФ"});
        if (social.ContractCount() > 0)
            list.push_back({"Социальный вычет по пенсионным и страховым взносам",
                            "договор негосударственного пенсионного обеспечения, добровольного пенсионного "
                            "страхования или добровольного страхования жизни, платежные документы; за "
                            "родственников - документы о родстве",
                            "подпункт 4 пункта 1 статьи 219 НК РФ"});
        if (positive(social.AdditionalPensionContributions))
            list.push_back({"Социальный вычет по дополнительным взносам на накопительную пенсию",
                            "справка налогового агента об удержанных и перечисленных взносах или платежные "
                            "документы",
                            "подпункт 5 пункта 1 статьи 219 НК РФ"});
        if (positive(social.QualificationAssessment))
            list.push_back({"Социальный вычет на независимую оценку квалификации",
                            "договор с организацией, проводящей оценку квалификации, и платежные документы",
                            "подпункт 6 пункта 1 статьи 219 НК РФ"});
    }
    if (positive(doc.InvestmentDeductionE2))
        list.push_back({"Инвестиционный вычет по индивидуальному инвестиционному счету",
                        "договор на ведение индивидуального инвестиционного счета и документы о зачислении на него "
                        "денежных средств",
                        "подпункт 2 пункта 1 статьи 219.1 НК РФ"});
    const mTConstructionDeduct& property = doc.PropertyDeductions;
    if (property.Granted && property.ObjectCount() > 0) {
        bool interest = false, child = false, joint = false;
        for (size_t i = 0; i < property.ObjectCount(); ++i) {
            const mTConstructionDeductObj& object = property.Object(i);
            interest = interest || positive(object.Interest);
            child = child || object.OwnershipKind == PropertyOwnership::MinorChild;
            joint = joint || object.OwnershipKind == PropertyOwnership::Joint;
        }
        list.push_back({"Имущественный вычет на приобретение жилья",
                        "договор о приобретении жилья (доли), акт о его передаче или выписка из ЕГРН о "
                        "регистрации права собственности, платежные документы об оплате",
                        "подпункт 3 пункта 1, подпункт 6 пункта 3 статьи 220 НК РФ"});
        if (interest)
            list.push_back({"Имущественный вычет по процентам по кредиту (займу) на жилье",
                            "кредитный договор (договор займа), график погашения, справка банка об уплаченных "
                            "процентах",
                            "подпункт 4 пункта 1, подпункт 7 пункта 3 статьи 220 НК РФ"});
        if (child)
            list.push_back({"Вычет за жилье в собственности несовершеннолетнего ребенка",
                            "свидетельство о рождении ребенка", "пункт 6 статьи 220 НК РФ"});
        if (joint)
            list.push_back({"Вычет за жилье в общей совместной собственности",
                            "свидетельство о браке и заявление о распределении вычета между супругами",
                            "подпункт 2 пункта 3 статьи 220 НК РФ"});
    }
    for (size_t i = 0; i < doc.CurrencyIncomeCount(); ++i)
        if (positive(doc.CurrencyIncome(i).TaxInCurrency)) {
            list.push_back({"Зачет налога, уплаченного за пределами Российской Федерации",
                            "документ о доходе и об уплате налога за рубежом, подтвержденный налоговым органом "
                            "иностранного государства, с переводом на русский язык",
                            "пункт 2 статьи 232 НК РФ"});
            break;
        }
    if (doc.BusinessIncomeCount() > 0)
        list.push_back({"Профессиональный вычет предпринимателя (лица частной практики)",
                        "документы, подтверждающие фактически произведенные расходы (если вычет заявлен не по "
                        "нормативу " +
                            std::to_string(kBusinessExpenseNormPercent) + " процентов)",
                        "пункт 1 статьи 221 НК РФ"});
    return list;
}

namespace report {

void WriteAttachments(HtmlText& out, const mTDeclaration& doc) {
    const auto list = AttachmentsFor(doc);
    if (list.empty())
        return;
    out.Heading(2, "Что приложить к декларации");
    out.Paragraph(
        "Копии подтверждающих документов по каждому заявленному вычету; их число листов указывается на "
        "титульном листе декларации.");
    out.TableStart({"Что заявлено", "Документы", "Основание"});
    for (const DocumentsToAttach& entry : list)
        out.Row({entry.claim, entry.documents, entry.article});
    out.TableEnd();
}

}  // namespace report
}  // namespace zizaza
