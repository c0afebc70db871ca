#include "support/RandomDeclaration.h"

#include "storage/NumberText.h"

#include <sstream>

namespace zizaza::testsupport {
namespace {

// Characters that texts are made of: both Cyrillic cases with Ё, Latin, digits, blanks,
// punctuation and quotes of every kind the entry fields let through.
const std::vector<std::string>& alphabet() {
    static const std::vector<std::string> chars = [] {
        std::vector<std::string> v;
        const char* cyr = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
        std::string s(cyr);
        for (size_t i = 0; i < s.size(); i += 2)
            v.push_back(s.substr(i, 2));
        for (char c : std::string("AZaz09 .,-/\"'()"))
            v.emplace_back(1, c);
        for (const char* q : {"«", "»", "№", "—"})
            v.emplace_back(q);
        return v;
    }();
    return chars;
}

// Names of streams of the file: texts that look like them must not be taken for them.
const std::vector<std::string>& streamNames() {
    static const std::vector<std::string> names = {"@TavoInfo",
                                                   "@PersonName",
                                                   "@Foreigner",
                                                   "@PersonAddress",
                                                   "@HomePhone",
                                                   "@TavoInquiry",
                                                   "@ThirteenPercent000",
                                                   "@SourseIncome000001",
                                                   "@ThirtyPercent000",
                                                   "@NinePercent001",
                                                   "@TavoForeign",
                                                   "@TavoInvestTov",
                                                   "@InvestTov000",
                                                   "@TavoBusiness",
                                                   "@BusinessExpense000",
                                                   "@CurrencyIncome001",
                                                   "@StandartDeduct",
                                                   "@SocialDeduct",
                                                   "@Pens",
                                                   "@PensSub000",
                                                   "@ConstructionDeduct",
                                                   "@CBDeduct",
                                                   "@IISDeduct",
                                                   "@Nalog",
                                                   "@NalogSub000"};
    return names;
}

}  // namespace

size_t RandomFields::Between(size_t lo, size_t hi) {
    return std::uniform_int_distribution<size_t>(lo, hi)(m_rng);
}

std::string RandomFields::Text(size_t maxLength) {
    switch (Between(0, 9)) {
        case 0:
            return {};
        case 1:
            return streamNames()[Between(0, streamNames().size() - 1)];
        default:
            break;
    }
    std::string s;
    size_t n = Between(1, maxLength);
    for (size_t i = 0; i < n; ++i)
        s += alphabet()[Between(0, alphabet().size() - 1)];
    return s;
}

Money RandomFields::Amount() {
    switch (Between(0, 9)) {
        case 0:
            return Money();
        case 1:
            return Money::Roubles(static_cast<int64_t>(Between(0, 100000)));
        default:
            break;
    }
    auto raw = static_cast<int64_t>(Between(0, 99'999'999'999ULL));
    return Money::FromRaw(Between(0, 4) == 0 ? -raw : raw);
}

Date RandomFields::Day() {
    // Day 0 (a date not entered) or a day of 1900 to 2099: the dates a file can hold.
    size_t drawn = Between(0, 80000);
    double day = drawn == 0 ? 0.0 : static_cast<double>(2 + drawn % 73049);
    if (Between(0, 3) == 0) {
        double time = static_cast<double>(Between(1, 7)) / 8;  // exact in binary, as a time of day
        if (day != 0)
            day += time;
    }
    return Date(day);
}

int32_t RandomFields::Integer() {
    if (Between(0, 2) == 0)
        return static_cast<int32_t>(Between(0, 2000));
    return static_cast<int32_t>(std::uniform_int_distribution<int64_t>(INT32_MIN, INT32_MAX)(m_rng));
}

uint16_t RandomFields::Word() {
    return static_cast<uint16_t>(Between(0, 65535));
}
uint8_t RandomFields::Byte() {
    return static_cast<uint8_t>(Between(0, 255));
}
bool RandomFields::Flag() {
    return Between(0, 1) == 1;
}

void RandomFields::Fill(mTPersonInformation& p) {
    p.Name = {Text(), Text(), Text(), Text(12), Text(), Text()};
    p.Document = {Word(), Text(), Text(), Day(), Day(), Text(40), Text(40)};
    p.Foreigner = {Text(1), Text(), Text(60), Text(3)};
    p.Address.AddressKind = Byte();
    p.Address.RegionName = Text();
    p.Address.RegionCode = Word();
    for (auto& t : p.Address.Texts)
        t = Text();
    p.Address.Oktmo = Text(11);
    for (mTPersonPhone* phone : {&p.HomePhone, &p.WorkPhone, &p.ForeignHomePhone, &p.ForeignWorkPhone})
        *phone = {Text(5), Text(12)};
    p.DocumentFlag = Byte();
}

void RandomFields::fillSource(mTSourseIncomeInfo& r) {
    r.Inn = Text(12);
    r.Kpp = Text(9);
    r.Oktmo = Text(11);
    r.Name = Text(60);
    r.TaxWithheld = Amount();
}

void RandomFields::Fill(mTThirteenPercent& r) {
    fillSource(r);
    r.WorkplaceFlag = Flag();
    r.TaxComputed = Amount();
    r.TaxableAmount = Amount();
    r.NinthValue = Amount();
    for (int m = 0; m < 12; ++m) {
        if (Flag()) {
            Money v = Amount();
            r.SetMonthIncome(m, v == Money::Roubles(-1) ? Money() : v);
        }
    }
    size_t lines = Between(minLines, maxLines);
    for (size_t i = 0; i < lines; ++i) {
        mTSourseIncome l;
        l.IncomeCode = Integer();
        l.IncomeName = Text(80);
        l.IncomeAmount = Amount();
        l.DeductionCode = Integer();
        l.DeductionAmount = Amount();
        l.DeductionPercent = Integer();
        l.Month = Word();
        l.AcquiredAfter2016 = Flag();
        l.CadastralNumber = Text(20);
        l.CadastralValue = Amount();
        l.ContractPrice = Amount();
        r.AddLine(l);
    }
}

void RandomFields::Fill(mTThirtyFivePercent& r) {
    fillSource(r);
    r.TotalIncome = Amount();
    r.IncomeCode = Integer();
    r.DeductionCode = Integer();
    r.DeductionAmount = Amount();
}

void RandomFields::Fill(mTThirtyPercent& r) {
    fillSource(r);
    r.TotalIncome = Amount();
    r.IncomeCode = Integer();
    r.TaxComputed = Amount();
    r.TaxableAmount = Amount();
}

void RandomFields::Fill(mTInvestTov& r) {
    fillSource(r);
    r.TaxComputed = Amount();
    r.TaxableAmount = Amount();
    size_t lines = Between(minLines, maxLines);
    for (size_t i = 0; i < lines; ++i)
        r.AddLine(mTInvestTovIncome{Integer(), Amount(), Amount(), Amount(), Amount(), Amount()});
}

void RandomFields::Fill(mTCurrencyIncome& r) {
    r.RateCode = Integer();
    r.IncomeCode = Integer();
    r.IncomeName = Text(80);
    r.SourceName = Text(60);
    r.CountryCode = Text(3);
    r.IncomeDate = Day();
    r.TaxPaymentDate = Day();
    r.CurrencyCode = Text(3);
    r.IncomeRate = Amount();
    r.IncomeUnits = Integer();
    r.TaxRate = Amount();
    r.TaxUnits = Integer();
    r.CurrencyName = Text();
    r.IncomeInCurrency = Amount();
    r.IncomeInRoubles = Amount();
    r.TaxInCurrency = Amount();
    r.TaxInRoubles = Amount();
    r.AutomaticRate = Flag();
    r.DeductionCode = Integer();
    r.DeductionAmount = Amount();
    r.DeductionPercent = Integer();
    r.CfcProfitRule = static_cast<CfcProfitRule>(Word());
    r.CfcNumber = Text();
    // About half the records carry the sales of a broker import; a sale has a lot at least.
    for (size_t n = Between(0, 3) < 2 ? 0 : Between(1, 2); n > 0; --n) {
        mTTradeSale& sale = r.Trades.emplace_back();
        sale.TradeDate = Day();
        sale.IncomeDate = Day();
        sale.ShortClose = Flag();
        for (Money* m : {&sale.Quantity, &sale.Proceeds, &sale.Rate, &sale.ProceedsRoubles, &sale.Commission,
                         &sale.CommissionRate, &sale.CommissionRoubles, &sale.Premium})
            *m = Amount();
        sale.Units = Integer();
        sale.CommissionUnits = Integer();
        for (size_t k = Between(1, 2); k > 0; --k) {
            mTTradeLot& lot = sale.Lots.emplace_back();
            lot.TradeDate = Day();
            lot.PaidDate = Day();
            for (Money* m : {&lot.Quantity, &lot.Amount, &lot.Rate, &lot.Roubles, &lot.Commission, &lot.CommissionRate,
                             &lot.CommissionRoubles, &lot.Premium})
                *m = Amount();
            lot.Units = Integer();
            lot.CommissionUnits = Integer();
            lot.Note = Text();
        }
    }
}

void RandomFields::Fill(mTBusinessNew& r) {
    r.ActivityKind = Text(60);
    r.OkvedCode = Text(8);
    r.Income = Amount();
    r.Itemized = Flag();
    if (r.Itemized) {
        for (Money* m :
             {&r.ExpensesTotal, &r.MaterialExpenses, &r.Depreciation, &r.Labour, &r.LabourContracts, &r.OtherExpenses})
            *m = Amount();
        for (auto& m : r.FurtherExpenses)
            m = Amount();
    } else {
        r.NormExpenses = Amount();
    }
}

void RandomFields::Fill(mTNalog& r) {
    r = {Text(), Text(), Amount()};
}

void RandomFields::Fill(mTStandartDeduct& r) {
    r = mTStandartDeduct();
    r.Granted = Between(0, 7) != 0;
    if (!r.Granted)
        return;
    r.PersonalCode = static_cast<PersonalDeductionCode>(Integer());
    r.ChildStatus = static_cast<ChildDeductionStatus>(Integer());
    auto counts = [&](bool& constant, int32_t& count, mTStandartDeduct::MonthlyCounts& months) {
        constant = Flag();
        if (constant) {
            count = Integer();
        } else {
            for (auto& m : months)
                m = Integer();
        }
    };
    counts(r.ChildrenConstant, r.ChildrenCount, r.MonthlyChildren);
    counts(r.DisabledConstant, r.DisabledCount, r.MonthlyDisabled);
    counts(r.ThirdConstant, r.ThirdCount, r.MonthlyThird);
    r.EntrepreneurMonthsPresent = Flag();
    if (r.EntrepreneurMonthsPresent) {
        for (int m = 0; m < 12; ++m) {
            r.SetMonthlyIncome(m, Amount());
            r.SetMonthlyExpense(m, Amount());
            r.SetMonthMark(m, Flag());
        }
    }
    r.MonthlyCodesPresent = Flag();
    if (r.MonthlyCodesPresent) {
        for (auto& v : r.MonthlyPersonalCodes)
            v = Integer();
    }
    r.MonthlyStatusPresent = Flag();
    if (r.MonthlyStatusPresent) {
        for (auto& v : r.MonthlySingleParentMarks)
            v = Integer();
    }
    r.Guardian = Flag();
}

void RandomFields::Fill(mTPens& r) {
    r = {Integer(), Text(60), Text(12), Text(9), Text(), Day(), Amount(), Amount(), Amount()};
}

void RandomFields::Fill(mTSocialDeduct& r) {
    r = mTSocialDeduct();
    r.Granted = Between(0, 7) != 0;
    if (!r.Granted)
        return;
    for (Money* m : {&r.Charity, &r.OwnEducation, &r.Medical, &r.ExpensiveMedical, &r.VoluntaryInsurance,
                     &r.AdditionalPensionContributions, &r.AgentSocialDeductions, &r.QualificationAssessment})
        *m = Amount();
    size_t children = Between(minRecords, maxRecords);
    for (size_t i = 0; i < children; ++i)
        r.AddChildEducation(Amount());
    size_t contracts = Between(minRecords, maxRecords);
    for (size_t i = 0; i < contracts; ++i)
        Fill(r.Contract(r.AddContract()));
}

void RandomFields::Fill(mTConstructionDeductObj& r) {
    r.ObjectKind = static_cast<PropertyObjectKind>(Integer());
    r.OwnershipKind = static_cast<PropertyOwnership>(Integer());
    r.Number = Text(30);
    r.Place = Text(80);
    r.NumberKind = static_cast<PropertyNumberKind>(Integer());
    r.TaxpayerSign = static_cast<PropertyTaxpayerSign>(Integer());
    r.OwnershipRegistrationDate = Day();
    r.LandRegistrationDate = Day();
    r.TransferActDate = Day();
    r.ApplicationDate = Day();
    r.FirstYearOfUse = Day();
    r.ShareNumerator = Integer();
    r.ShareDenominator = Integer();
    r.Cost = Amount();
    r.Interest = Amount();
    r.ByInvestment = Flag();
    r.Pensioner = Flag();
}

void RandomFields::Fill(mTConstructionDeduct& r) {
    r = mTConstructionDeduct();
    r.Granted = Between(0, 7) != 0;
    if (!r.Granted)
        return;
    for (Money* m : {&r.FirstCarried, &r.FirstWorking, &r.SecondCarried, &r.SecondWorking, &r.PreviousYearsPurchase,
                     &r.PreviousYearsInterest, &r.AgentPurchase, &r.AgentInterest})
        *m = Amount();
    size_t objects = Between(minRecords, maxRecords);
    for (size_t i = 0; i < objects; ++i) {
        auto o = std::make_unique<mTConstructionDeductObj>();
        Fill(*o);
        r.AddObject(std::move(o));
    }
}

void RandomFields::Fill(mTCBDeduct& r) {
    for (auto& v : r.Values)
        v = Amount();
}

std::unique_ptr<mTDeclaration> RandomDeclaration(uint32_t seed, const RandomDeclarationOptions& options) {
    RandomFields rnd(seed);
    rnd.minLines = options.minLines;
    rnd.maxLines = options.maxLines;
    rnd.minRecords = options.minRecords;
    rnd.maxRecords = options.maxRecords;
    auto d = std::make_unique<mTDeclaration>();

    d->InspectionCode = rnd.Text(4);
    d->InspectionName = rnd.Text(80);
    d->ReservedByte = rnd.Byte();
    d->CorrectionNumber = rnd.Integer();
    d->DocumentDate = rnd.Day();
    d->SignerKind = static_cast<SignerKind>(rnd.Word());
    d->TaxpayerCategory = static_cast<TaxpayerCategory>(rnd.Word());
    d->DeclarationForm = static_cast<DeclarationForm>(rnd.Word());
    d->AppendixCountLocked = rnd.Byte();
    d->AppendixCount = rnd.Integer();
    d->ForeignAppendixValue = rnd.Integer();
    for (int32_t* n : {&d->ReservedNumber1, &d->ReservedNumber2, &d->ReservedNumber3, &d->ReservedNumber4,
                       &d->ReservedNumber5, &d->ReservedNumber6, &d->ReservedNumber7})
        *n = rnd.Integer();
    d->RepresentativeDocument = rnd.Text(60);
    d->EstimatedIncome = rnd.Amount();
    d->RepresentativeName = rnd.Text(60);
    d->RepresentativeOrganization = rnd.Text(60);
    d->InvestmentDeductionE2 = rnd.Amount();
    d->InvestmentDeductionReturn = rnd.Amount();
    d->InvestmentDeductionZ = rnd.Amount();
    d->InvestmentDeductionI = rnd.Amount();

    uint16_t flags = options.incomeFlags >= 0
                         ? static_cast<uint16_t>(options.incomeFlags)
                         : static_cast<uint16_t>(kIncomeRussia | (rnd.Flag() ? kIncomeForeign : 0) |
                                                 (rnd.Flag() ? kIncomeBusiness : 0) | (rnd.Flag() ? kIncomeUnused : 0) |
                                                 (rnd.Flag() ? kIncomeInvestTov : 0));
    d->SetIncomeFlags(flags);
    // Cleared with bit 1, so set after it.
    d->MonthsWorked = rnd.Integer();
    d->ForeignerFixedPayments = rnd.Amount();
    if (!d->HasIncome(kIncomeRussia)) {
        d->MonthsWorked = 0;
        d->ForeignerFixedPayments = Money();
    }

    rnd.Fill(d->Person);
    auto records = [&] { return rnd.Between(options.minRecords, options.maxRecords); };
    if (d->HasIncome(kIncomeRussia)) {
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->ResidentIncome13(d->AddResidentIncome13()));
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->NonResidentIncome13(d->AddNonResidentIncome13()));
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->Income35(d->AddIncome35()));
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->Income30(d->AddIncome30()));
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->Income9(d->AddIncome9()));
    }
    if (d->HasIncome(kIncomeForeign)) {
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->CurrencyIncome(d->AddCurrencyIncome()));
    }
    if (d->HasIncome(kIncomeInvestTov)) {
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->InvestPartnershipIncome(d->AddInvestPartnershipIncome()));
    }
    if (d->HasIncome(kIncomeBusiness)) {
        for (size_t n = records(); n > 0; --n)
            rnd.Fill(d->BusinessIncome(d->AddBusinessIncome()));
        d->ActualPrepayments = rnd.Amount();
        d->AccruedPrepayments = rnd.Amount();
        d->ReservedMoney = rnd.Amount();
        d->IsFarm = rnd.Byte();
        d->FarmRegistrationDate = rnd.Day();
        d->FarmExemptIncome = rnd.Amount();
        d->CorrectedBase = rnd.Amount();
        d->CorrectedTax = rnd.Amount();
        d->TradeFee = rnd.Amount();
        d->PatentPayments = rnd.Amount();
    }
    if (d->IncomeFlags() != 0) {
        rnd.Fill(d->StandardDeductions);
        rnd.Fill(d->SocialDeductions);
        rnd.Fill(d->PropertyDeductions);
        rnd.Fill(d->SecuritiesDeductions);
        rnd.Fill(d->IisDeductions);
    }
    for (size_t n = records(); n > 0; --n)
        rnd.Fill(d->TaxPayment(d->AddTaxPayment()));
    return d;
}

}  // namespace zizaza::testsupport
