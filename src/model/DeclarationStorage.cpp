// Saving and loading of the declaration document: the streams of the document itself, each
// record writing and reading its own.
#include "model/DeclarationBytes.h"
#include "model/RecordIo.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "storage/mTFileLoader.h"

#include <limits>

namespace zizaza {
namespace {

constexpr uint64_t kHeaderSize = 60;

// The yearly editions before this one whose files are read for their personal data.
bool isEarlierEdition(std::string_view name) {
    const int year = EditionYear(name);
    return year >= 2004 && year < kTaxYear;
}

template <class Self, class Io>
void transferInfo(Self& d, Io& io) {
    io.Stream("@TavoInfo");
    io.Text(d.InspectionCode);
    io.Text(d.InspectionName);
    io.Byte(d.ReservedByte);
    io.Integer(d.CorrectionNumber);
    io.DateTime(d.DocumentDate);
    recordio::Coded(io, d.SignerKind);
    recordio::Coded(io, d.TaxpayerCategory);
    recordio::Coded(io, d.DeclarationForm);
    if constexpr (Io::kLoading) {
        uint16_t flags = 0;
        io.Word(flags);
        d.SetIncomeFlags(flags);  // creates the lists of the bits
    } else {
        io.Word(d.IncomeFlags());
    }
    io.Byte(d.AppendixCountLocked);
    io.Integer(d.AppendixCount);
    io.Integer(d.ForeignAppendixValue);
    io.Integer(d.ReservedNumber1);
    io.Integer(d.MonthsWorked);
    io.Integer(d.ReservedNumber2);
    io.Integer(d.ReservedNumber3);
    io.Integer(d.ReservedNumber4);
    io.Integer(d.ReservedNumber5);
    io.Integer(d.ReservedNumber6);
    io.Integer(d.ReservedNumber7);
    io.Text(d.RepresentativeDocument);
    io.Currency(d.EstimatedIncome);
    io.Text(d.RepresentativeName);
    io.Text(d.RepresentativeOrganization);
    io.Currency(d.ForeignerFixedPayments);
    io.Currency(d.InvestmentDeductionE2);
    io.Currency(d.InvestmentDeductionReturn);
    io.Currency(d.InvestmentDeductionZ);
    io.Currency(d.InvestmentDeductionI);
}

// The twelve entrepreneur values behind the last business record.
template <class Self, class Io>
void transferBusinessTail(Self& d, Io& io) {
    io.Currency(d.ActualPrepayments);
    io.Currency(d.EstimatedIncome);
    io.Currency(d.ReservedMoney);
    io.Currency(d.AccruedPrepayments);
    io.Text(d.RepresentativeDocument);
    io.Byte(d.IsFarm);
    io.DateTime(d.FarmRegistrationDate);
    io.Currency(d.FarmExemptIncome);
    io.Currency(d.CorrectedBase);
    io.Currency(d.CorrectedTax);
    io.Currency(d.TradeFee);
    io.Currency(d.PatentPayments);
}

// A list: its count as a word, then each element with its position.
template <class T, class F>
void writeList(mTDocumentStorage& s, const OwnedList<T>& list, F save) {
    s.WriteWord(recordio::WordCount(list.Count()));
    for (size_t i = 0; i < list.Count(); ++i)
        save(list.At(i), static_cast<uint16_t>(i));
}

template <class T, class F>
void readList(mTDocumentStorage& s, OwnedList<T>& list, F load) {
    uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i)
        load(list.At(list.Add()), i);
}

template <class T, class F>
uint64_t listSize(const OwnedList<T>& list, F size) {
    uint64_t total = mTDocumentStorage::WordFieldSize(static_cast<uint16_t>(list.Count()));
    for (size_t i = 0; i < list.Count(); ++i)
        total += size(list.At(i), static_cast<uint16_t>(i));
    return total;
}

// The sales behind the foreign incomes made by the broker import, after everything else: a file
// without them is byte for byte what it was before they existed, and an older reader never meets
// them. The stream holds the count of records that have sales, then for each its position in the
// list and its sales.
constexpr std::string_view kTradesStream = "@ForeignTrades";

size_t recordsWithTrades(const mTDeclaration& d) {
    if (!d.HasIncome(kIncomeForeign))
        return 0;
    size_t n = 0;
    for (const mTCurrencyIncome& r : d.CurrencyIncomes())
        n += r.Trades.empty() ? 0 : 1;
    return n;
}

template <class Io>
void writeTrades(const mTDeclaration& d, Io& io) {
    const size_t count = recordsWithTrades(d);
    if (count == 0)
        return;
    io.Stream(kTradesStream);
    io.Word(recordio::WordCount(count));
    for (size_t i = 0; i < d.CurrencyIncomeCount(); ++i) {
        const mTCurrencyIncome& r = d.CurrencyIncome(i);
        if (r.Trades.empty())
            continue;
        io.Word(static_cast<uint16_t>(i));
        io.List(r.Trades, 1, [&](const mTTradeSale& sale) { recordio::TransferTradeSale(io, sale); });
    }
}

// Only the stream right behind the tax payments is the sales': a text of the same spelling
// elsewhere in the file is a value of some record. Positions must rise and name a record, and no
// record has an empty list of sales, as the writer keeps them.
void readTrades(mTDeclaration& d, mTDocumentStorage& s) {
    if (!d.HasIncome(kIncomeForeign))
        return;
    const size_t before = s.Position();
    try {
        s.OpenStreamForRead(kTradesStream);
    } catch (const mEPrivBase& e) {
        if (e.ErrorNumber() == 210)
            return;
        throw;
    }
    if (s.Position() != before + mTDocumentStorage::StringFieldSize(kTradesStream))
        return;
    recordio::Reader io(s);
    uint16_t count = 0;
    io.Word(count);
    if (count == 0)
        RaiseStorageError(68);
    long last = -1;
    for (uint16_t k = 0; k < count; ++k) {
        uint16_t position = 0;
        io.Word(position);
        if (static_cast<long>(position) <= last || position >= d.CurrencyIncomeCount())
            RaiseStorageError(68);
        last = position;
        io.List(d.CurrencyIncome(position).Trades, 1,
                [&](mTTradeSale& sale) { recordio::TransferTradeSale(io, sale); });
    }
}

}  // namespace

int EditionYear(std::string_view documentName) {
    if (documentName.size() != 8 || !documentName.starts_with("Tavo"))
        return 0;
    int year = 0;
    for (char c : documentName.substr(4)) {
        if (c < '0' || c > '9')
            return 0;
        year = year * 10 + (c - '0');
    }
    return year;
}

uint64_t mTDeclaration::ComputeFileSize() const {
    recordio::Sizer io;
    io.Add(kHeaderSize);
    transferInfo(*this, io);
    io.Add(Person.ComputeSize());
    if (HasIncome(kIncomeRussia)) {
        io.Stream("@TavoInquiry");
        io.Add(listSize(m_residentIncomes13, [](auto& e, uint16_t i) { return e.ComputeSize(i, false); }));
        io.Add(listSize(m_nonResidentIncomes13, [](auto& e, uint16_t i) { return e.ComputeSize(i, true); }));
        io.Add(listSize(m_incomes35, [](auto& e, uint16_t i) { return e.ComputeSize(i); }));
        io.Add(listSize(m_incomes30, [](auto& e, uint16_t i) { return e.ComputeSize(i, true); }));
        io.Add(listSize(m_incomes9, [](auto& e, uint16_t i) { return e.ComputeSize(i, false); }));
    }
    if (HasIncome(kIncomeInvestTov)) {
        io.Stream("@TavoInvestTov");
        io.Add(listSize(m_investPartnershipIncomes, [](auto& e, uint16_t i) { return e.ComputeSize(i); }));
    }
    if (HasIncome(kIncomeForeign)) {
        io.Stream("@TavoForeign");
        io.Add(listSize(m_currencyIncomes, [](auto& e, uint16_t i) { return e.ComputeSize(i); }));
    }
    if (HasIncome(kIncomeBusiness)) {
        io.Stream("@TavoBusiness");
        io.Add(listSize(m_businessIncomes, [](auto& e, uint16_t i) { return e.ComputeSize(i); }));
        transferBusinessTail(*this, io);
    }
    if (m_incomeFlags != 0) {
        io.Add(StandardDeductions.ComputeSize());
        io.Add(SocialDeductions.ComputeSize());
        io.Add(PropertyDeductions.ComputeSize());
        io.Add(SecuritiesDeductions.ComputeSize());
        io.Add(IisDeductions.ComputeSize());
    }
    io.Stream("@Nalog");
    io.Add(listSize(m_taxPayments, [](auto& e, uint16_t i) { return e.ComputeSize(i); }));
    writeTrades(*this, io);
    return io.Total();
}

void mTDeclaration::SaveToStorage(mTDocumentStorage& s) const {
    recordio::Writer io(s);
    transferInfo(*this, io);
    Person.SaveToStorage(s);
    if (HasIncome(kIncomeRussia)) {
        io.Stream("@TavoInquiry");
        writeList(s, m_residentIncomes13, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i, false); });
        writeList(s, m_nonResidentIncomes13, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i, true); });
        writeList(s, m_incomes35, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i); });
        writeList(s, m_incomes30, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i, true); });
        writeList(s, m_incomes9, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i, false); });
    }
    if (HasIncome(kIncomeForeign)) {
        io.Stream("@TavoForeign");
        writeList(s, m_currencyIncomes, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i); });
    }
    if (HasIncome(kIncomeInvestTov)) {
        io.Stream("@TavoInvestTov");
        writeList(s, m_investPartnershipIncomes, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i); });
    }
    if (HasIncome(kIncomeBusiness)) {
        io.Stream("@TavoBusiness");
        writeList(s, m_businessIncomes, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i); });
        transferBusinessTail(*this, io);
    }
    if (m_incomeFlags != 0) {
        StandardDeductions.SaveToStorage(s);
        SocialDeductions.SaveToStorage(s);
        PropertyDeductions.SaveToStorage(s);
        SecuritiesDeductions.SaveToStorage(s);
        IisDeductions.SaveToStorage(s);
    }
    io.Stream("@Nalog");
    writeList(s, m_taxPayments, [&](auto& e, uint16_t i) { e.SaveToStorage(s, i); });
    writeTrades(*this, io);
}

void mTDeclaration::LoadFromStorage(mTDocumentStorage& s) {
    recordio::Reader io(s);
    if (s.DocumentName() != kDocumentName) {
        // An earlier yearly edition: only the personal data is taken over.
        io.Stream("@TavoInfo");
        Person.LoadFromStorage(s);
        return;
    }
    transferInfo(*this, io);
    Person.LoadFromStorage(s);
    if (HasIncome(kIncomeRussia)) {
        io.Stream("@TavoInquiry");
        readList(s, m_residentIncomes13, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i, false); });
        readList(s, m_nonResidentIncomes13, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i, true); });
        readList(s, m_incomes35, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i); });
        readList(s, m_incomes30, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i, true); });
        readList(s, m_incomes9, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i, false); });
    }
    // Streams are read in the order in which they were written: every search for a stream name
    // then starts right at it, so a text value that looks like a later stream's name is never
    // taken for it.
    if (HasIncome(kIncomeForeign)) {
        io.Stream("@TavoForeign");
        readList(s, m_currencyIncomes, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i); });
    }
    if (HasIncome(kIncomeInvestTov)) {
        io.Stream("@TavoInvestTov");
        readList(s, m_investPartnershipIncomes, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i); });
    }
    if (HasIncome(kIncomeBusiness)) {
        io.Stream("@TavoBusiness");
        readList(s, m_businessIncomes, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i); });
        // The estimated income and the representative's document read here replace those of
        // "@TavoInfo".
        transferBusinessTail(*this, io);
    }
    if (m_incomeFlags != 0) {
        StandardDeductions.LoadFromStorage(s);
        SocialDeductions.LoadFromStorage(s);
        PropertyDeductions.LoadFromStorage(s);
        SecuritiesDeductions.LoadFromStorage(s);
        IisDeductions.LoadFromStorage(s);
    }
    io.Stream("@Nalog");
    readList(s, m_taxPayments, [&](auto& e, uint16_t i) { e.LoadFromStorage(s, i); });
    readTrades(*this, s);
}

namespace {

uint32_t checkedFileSize(const mTDeclaration& d) {
    const uint64_t size = d.ComputeFileSize();
    if (size > std::numeric_limits<uint32_t>::max())
        RaiseStorageError(26);
    return static_cast<uint32_t>(size);
}

// Reads a whole container into a fresh document and hands it over only when all of it was read,
// so that a failure part-way never leaves a half-loaded document behind.
mTDeclaration loadWhole(mTFileLoader& loader);

// Whether a file under an earlier edition's name is in truth one of this edition whose name was
// damaged (one flipped bit turns "Tavo2017" into "Tavo2016"): read under this edition's name it
// loads, and saving what it loads gives back its bytes, as for every file this edition writes.
bool hasThisEditionsLayout(const mTFileLoader& loader) {
    std::string bytes(loader.Data(), loader.Size());
    if (bytes.size() < kHeaderSize)
        return false;
    bytes.replace(4, 20, std::string(20 - std::string_view(kDocumentName).size(), ' ') + kDocumentName);
    try {
        auto copy = mTFileLoader::InMemory(bytes, 0, true);
        return SaveDeclarationToBytes(loadWhole(*copy)) == bytes;
    } catch (const std::exception&) {
        return false;
    }
}

mTDeclaration loadWhole(mTFileLoader& loader) {
    mTDocumentStorage storage(&loader);
    try {
        storage.OpenStorage();
    } catch (mEBadStorage& e) {
        e.SetCallerNumber(391);
        throw;
    } catch (const EConvertError&) {
        throw mEBadStorage(std::string(storage_messages::kBadFormat), 392);
    }
    // Any other name in the header is damage, not an edition: reading it as one would keep only
    // the personal data, and the next save would drop the rest.
    if (storage.DocumentName() != kDocumentName &&
        (!isEarlierEdition(storage.DocumentName()) || hasThisEditionsLayout(loader))) {
        mEBadStorage e(std::string(storage_messages::kBadFormat), 68);
        e.SetCallerNumber(391);
        throw e;
    }
    mTDeclaration loaded;
    loaded.LoadFromStorage(storage);
    return loaded;
}

}  // namespace

void mTDeclaration::Save(const std::string& fileName) const {
    const uint32_t size = checkedFileSize(*this);
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(fileName, size, false);
    } catch (mEBadStorage& e) {
        e.SetCallerNumber(389);
        throw;
    }
    mTDocumentStorage storage(loader.get());
    storage.CreateStorage(kDocumentName);
    SaveToStorage(storage);
    // The file written is read back before it replaces the old one: it must load, and saving what
    // it loads must give the same bytes, or the old file stays.
    auto readBack = [&](std::string_view written) {
        std::string failure;
        try {
            auto copy = mTFileLoader::InMemory(written, 0, true);
            if (SaveDeclarationToBytes(loadWhole(*copy)) == written)
                return;
            failure = "прочитанная декларация отличается от записанной";
        } catch (const std::exception& e) {
            failure = e.what();
        }
        throw mEWriteStorage("Ошибка записи файла: " + fileName +
                                 "\nЗаписанный файл не читается обратно, прежний файл оставлен без изменений (" +
                                 failure + ").",
                             kErrReadBack);
    };
    try {
        loader->Commit(readBack);
    } catch (mEBadStorage& e) {
        e.SetCallerNumber(389);
        throw;
    }
}

std::string SaveDeclarationToBytes(const mTDeclaration& doc) {
    auto loader = mTFileLoader::InMemory({}, checkedFileSize(doc), false);
    mTDocumentStorage storage(loader.get());
    storage.CreateStorage(kDocumentName);
    doc.SaveToStorage(storage);
    return std::string(loader->Data(), loader->Size());
}

bool IsEarlierEditionFile(const std::string& fileName) {
    try {
        mTFileLoader loader(fileName, 0, true);
        mTDocumentStorage storage(&loader);
        storage.OpenStorage();
        return isEarlierEdition(storage.DocumentName());
    } catch (const std::exception&) {
        return false;
    }
}

void mTDeclaration::Load(const std::string& fileName) {
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(fileName, 0, true);
    } catch (mEBadStorage& e) {
        e.SetCallerNumber(390);
        throw;
    }
    *this = loadWhole(*loader);
}

void LoadDeclarationFromBytes(mTDeclaration& doc, std::string_view bytes) {
    auto loader = mTFileLoader::InMemory(bytes, 0, true);
    doc = loadWhole(*loader);
}

}  // namespace zizaza
