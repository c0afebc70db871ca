#include "checks/IdentifierChecks.h"

#include "storage/TextCodec.h"

#include <array>
#include <optional>

namespace zizaza {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

size_t Length(std::string_view s) {
    return CodePointCount(s);
}

// The control digit over the digits with the weights: 11 - (sum mod 11), 0 for 10 and 11.
template <size_t N>
char ControlDigit(std::string_view digits, const std::array<int, N>& weights) {
    int sum = 0;
    for (size_t i = 0; i < N; ++i)
        sum += (digits[i] - '0') * weights[i];
    int c = 11 - sum % 11;
    return static_cast<char>('0' + (c >= 10 ? 0 : c));
}

constexpr std::array<int, 9> kWeights10 = {31, 29, 23, 19, 17, 13, 7, 5, 3};
constexpr std::array<int, 10> kWeights11 = {37, 31, 29, 23, 19, 17, 13, 7, 5, 3};
constexpr std::array<int, 11> kWeights12 = {41, 37, 31, 29, 23, 19, 17, 13, 7, 5, 3};

bool AllDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool ControlDigitsValid(std::string_view inn) {
    if (!AllDigits(inn))
        return false;
    if (inn.size() == 10)
        return ControlDigit(inn, kWeights10) == inn[9];
    std::string lead(inn.substr(0, 10));
    lead += ControlDigit(inn, kWeights11);
    char twelfth = ControlDigit(lead, kWeights12);
    return lead[10] == inn[10] && twelfth == inn[11];
}

// One run of a source check over one dialog: the answer to each problem sets the result.
class Run {
public:
    Run(ISourceCheckDialog& dialog, std::string_view title, bool skipEnabled)
        : m_dialog(dialog), m_title(title), m_skipEnabled(skipEnabled) {}

    // Shows a problem that cannot be skipped (and disables skipping for the rest of the run).
    // Returns true when the user chose to fix it: the run ends.
    bool Problem(std::string_view message, SourceField field) {
        m_skipEnabled = false;
        return Show(message, field);
    }
    // Shows a problem that keeps "Пропустить" as it is.
    bool SkippableProblem(std::string_view message, SourceField field) { return Show(message, field); }

    SourceField Result() const { return m_result; }

private:
    bool Show(std::string_view message, SourceField field) {
        bool fix = m_dialog.ShowProblem(m_title, message, m_skipEnabled) == CheckDialogAnswer::Fix;
        m_result = fix ? field : SourceField::None;
        return fix;
    }

    ISourceCheckDialog& m_dialog;
    std::string_view m_title;
    bool m_skipEnabled;
    SourceField m_result = SourceField::None;
};

constexpr std::string_view kNoSourceName = "Не заполненно поле \"Наименование источника выплаты\"";
constexpr std::string_view kEnterInn = "Введите ИНН";
constexpr std::string_view kInnNotOrganization = "Длина ИНН для юрлиц должна быть равна 10 цифрам";

std::optional<std::string_view> KppMessage(std::string_view kpp) {
    switch (CheckKpp(kpp)) {
        case KppCheck::Empty:
            return "Отсутствует КПП";
        case KppCheck::WrongLength:
            return "Длина КПП должна быть равна 9 цифрам";
        case KppCheck::Zeros:
            return "Некорректный КПП";
        default:
            return std::nullopt;
    }
}

bool OktmoLengthValid(std::string_view oktmo) {
    size_t n = Length(Trim(oktmo));
    return n == 8 || n == 11;
}

constexpr std::string_view kInnLength10Or12 = "Длина ИНН должна быть равна 10 или 12 цифрам";

}  // namespace

InnCheck CheckInn(std::string_view text, InnKind kind) {
    std::string_view inn = Trim(text);
    if (inn.empty())
        return InnCheck::Empty;
    const size_t n = Length(inn);
    if (kind == InnKind::Organization && n != 10)
        return InnCheck::WrongLength10;
    if (kind == InnKind::NaturalPerson && n != 12)
        return InnCheck::WrongLength12;
    if (kind != InnKind::Organization && kind != InnKind::NaturalPerson && n != 10 && n != 12)
        return InnCheck::WrongLength;
    if (inn == "0000000000" || inn == "000000000000")
        return InnCheck::WrongDigits;
    return ControlDigitsValid(inn) ? InnCheck::Valid : InnCheck::WrongDigits;
}

KppCheck CheckKpp(std::string_view text) {
    std::string_view kpp = Trim(text);
    if (kpp.empty())
        return KppCheck::Empty;
    if (Length(kpp) != 9)
        return KppCheck::WrongLength;
    if (kpp == "000000000")
        return KppCheck::Zeros;
    return KppCheck::Valid;
}

SourceIdentifierProblem ExportedSourceProblem(std::string_view oktmo, std::string_view kpp, std::string_view inn,
                                              bool oktmoRequired) {
    const std::string_view code = Trim(oktmo);
    if (code.empty() ? oktmoRequired : !(OktmoLengthValid(code) && AllDigits(code)))
        return {SourceField::Oktmo, code.empty()
                                        ? "Не введен код ОКТМО(8 или 11 симв.), а по источнику возвращается налог"
                                        : "Код ОКТМО введен некорректно(должно быть 8 или 11 цифр)"};
    // The export writes an organisation when the INN has 10 characters or a KPP is given.
    if (Length(inn) != 10 && Trim(kpp).empty()) {
        if (Trim(inn).empty())
            return {};
        const InnCheck result = CheckInn(inn, InnKind::Any);
        if (result == InnCheck::WrongLength)
            return {SourceField::Inn, kInnLength10Or12};
        if (result == InnCheck::WrongDigits)
            return {SourceField::Inn, kInnWrongMessage};
        return {};
    }
    if (Length(inn) != 10)
        return {SourceField::Inn, Trim(inn).empty() ? kEnterInn : kInnNotOrganization};
    if (CheckInn(inn, InnKind::Organization) != InnCheck::Valid)
        return {SourceField::Inn, kInnWrongMessage};
    if (auto message = KppMessage(kpp))
        return {SourceField::Kpp, *message};
    return {};
}

SourceField CheckPaymentSource(ISourceCheckDialog& dialog, std::string_view sectionTitle, std::string_view sourceName,
                               bool skipAllowed, std::string_view oktmo, std::string_view kpp, std::string_view inn) {
    Run run(dialog, sectionTitle, skipAllowed);
    if (Trim(sourceName).empty() && run.Problem(kNoSourceName, SourceField::Name))
        return run.Result();
    if (!Trim(oktmo).empty()) {
        if (!OktmoLengthValid(oktmo) &&
            run.Problem("Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При продаже имущества "
                        "физ.лицу - не нужен)",
                        SourceField::Oktmo))
            return run.Result();
    } else if (run.SkippableProblem("Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)",
                                    SourceField::Oktmo)) {
        return run.Result();
    }
    switch (CheckInn(inn, InnKind::Any)) {
        case InnCheck::WrongLength:
            if (run.Problem(kInnLength10Or12, SourceField::Inn))
                return run.Result();
            break;
        case InnCheck::WrongDigits:
            if (run.Problem(kInnWrongMessage, SourceField::Inn))
                return run.Result();
            break;
        default:
            break;
    }
    // The lengths here are those of the texts as entered.
    if (Length(inn) == 10) {
        if (auto message = KppMessage(kpp))
            run.Problem(*message, SourceField::Kpp);
    } else if (!kpp.empty()) {
        run.Problem(inn.empty() ? kEnterInn : kInnNotOrganization, SourceField::Inn);
    }
    return run.Result();
}

SourceField CheckOrganizationSource(ISourceCheckDialog& dialog, std::string_view sectionTitle,
                                    std::string_view sourceName, std::string_view oktmo, std::string_view kpp,
                                    std::string_view inn) {
    Run run(dialog, sectionTitle, false);
    if (Trim(sourceName).empty() && run.Problem(kNoSourceName, SourceField::Name))
        return run.Result();
    if (!OktmoLengthValid(oktmo) && run.Problem("Не введен код ОКТМО(8 или 11 симв.)", SourceField::Oktmo))
        return run.Result();
    switch (CheckInn(inn, InnKind::Organization)) {
        case InnCheck::WrongLength10:
            if (run.Problem("Длина ИНН должна быть равна 10 цифрам", SourceField::Inn))
                return run.Result();
            break;
        case InnCheck::WrongDigits:
            if (run.Problem(kInnWrongMessage, SourceField::Inn))
                return run.Result();
            break;
        default:
            break;
    }
    if (auto message = KppMessage(kpp); message && run.Problem(*message, SourceField::Kpp))
        return run.Result();
    if (inn.empty())
        run.Problem(kEnterInn, SourceField::Inn);
    else if (Length(inn) != 10)
        run.Problem(kInnNotOrganization, SourceField::Inn);
    return run.Result();
}

}  // namespace zizaza
