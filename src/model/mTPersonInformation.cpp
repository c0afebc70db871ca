#include "model/mTPersonInformation.h"

#include "model/RecordIo.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

#include <string_view>

namespace zizaza {
namespace {

// The current layout, for writing and counting.
template <class Io>
void transfer(const mTPersonInformation& p, Io& io) {
    io.Stream("@PersonName");
    io.Text(p.Name.Surname);
    io.Text(p.Name.FirstName);
    io.Text(p.Name.Patronymic);
    io.Text(p.Name.Inn);
    io.Text(p.Name.FifthText);
    io.Text(p.Name.SixthText);

    io.Stream("@PersonDocument");
    io.Word(p.Document.KindCode);
    io.Text(p.Document.KindName);
    io.Text(p.Document.SeriesNumber);
    io.DateTime(p.Document.IssueDate);
    io.DateTime(p.Document.BirthDate);
    io.Text(p.Document.IssuedBy);
    io.Text(p.Document.BirthPlace);
    io.Byte(p.DocumentFlag);

    io.Stream("@Foreigner");
    io.Text(p.Foreigner.CitizenshipKind);
    io.Text(p.Foreigner.CountryName);
    io.Text(p.Foreigner.AddressAbroad);
    io.Text(p.Foreigner.CountryCode);

    io.Stream("@PhoneForeignerHome");
    io.Text(p.ForeignHomePhone.Code);
    io.Text(p.ForeignHomePhone.Number);
    io.Stream("@PhoneForeignerWork");
    io.Text(p.ForeignWorkPhone.Code);
    io.Text(p.ForeignWorkPhone.Number);

    io.Stream("@PersonAddress");
    io.Byte(p.Address.AddressKind);
    io.Text(p.Address.RegionName);
    io.Word(p.Address.RegionCode);
    for (const auto& t : p.Address.Texts)
        io.Text(t);
    io.Text(p.Address.Oktmo);

    io.Stream("@HomePhone");
    io.Text(p.HomePhone.Code);
    io.Text(p.HomePhone.Number);
    io.Stream("@WorkPhone");
    io.Text(p.WorkPhone.Code);
    io.Text(p.WorkPhone.Number);
}

// Which fields an edition wrote: every edition from 2004 on, those from 2005, those from 2013.
struct Edition {
    bool known = false;
    bool from2005 = false;
    bool from2013 = false;
};

Edition editionOf(std::string_view name) {
    Edition e;
    const int year = EditionYear(name);
    e.known = year >= 2004 && year <= kTaxYear;
    e.from2005 = e.known && year >= 2005;
    e.from2013 = e.known && year >= 2013;
    return e;
}

void readPhone(recordio::Reader& io, std::string_view stream, mTPersonPhone& phone) {
    io.Stream(stream);
    io.Text(phone.Code);
    io.Text(phone.Number);
}

// "@Foreigner" and the two foreign telephones: a stream missing ends the block quietly.
void readForeignBlock(mTPersonInformation& p, recordio::Reader& io, const Edition& e) {
    try {
        io.Stream("@Foreigner");
        io.Text(p.Foreigner.CitizenshipKind);
        io.Text(p.Foreigner.CountryName);
        if (e.known) {
            io.Text(p.Foreigner.AddressAbroad);
            io.Text(p.Foreigner.CountryCode);
        }
        if (e.from2005) {
            readPhone(io, "@PhoneForeignerHome", p.ForeignHomePhone);
            readPhone(io, "@PhoneForeignerWork", p.ForeignWorkPhone);
        }
    } catch (const mEOpenStream&) {
    }
}

void load(mTPersonInformation& p, recordio::Reader& io) {
    const Edition e = editionOf(io.Storage().DocumentName());

    io.Stream("@PersonName");
    io.Text(p.Name.Surname);
    io.Text(p.Name.FirstName);
    io.Text(p.Name.Patronymic);
    io.Text(p.Name.Inn);
    if (e.known) {
        io.Text(p.Name.FifthText);
        io.Text(p.Name.SixthText);
    } else {
        p.Name.SixthText.assign(1, '0');  // the default; assigning the literal trips a false -Wrestrict of GCC 12
    }

    io.Stream("@PersonDocument");
    io.Word(p.Document.KindCode);
    io.Text(p.Document.KindName);
    io.Text(p.Document.SeriesNumber);
    io.DateTime(p.Document.IssueDate);
    io.DateTime(p.Document.BirthDate);
    if (e.known) {
        io.Text(p.Document.IssuedBy);
        io.Text(p.Document.BirthPlace);
        if (e.from2005)
            io.Byte(p.DocumentFlag);
    }

    readForeignBlock(p, io, e);

    io.Stream("@PersonAddress");
    if (e.from2005)
        io.Byte(p.Address.AddressKind);
    io.Text(p.Address.RegionName);
    io.Word(p.Address.RegionCode);
    for (auto& t : p.Address.Texts)
        io.Text(t);
    if (!e.from2005)
        return;
    if (e.from2013)
        io.Text(p.Address.Oktmo);

    readPhone(io, "@HomePhone", p.HomePhone);
    readPhone(io, "@WorkPhone", p.WorkPhone);
}

}  // namespace

void mTPersonInformation::SaveToStorage(mTDocumentStorage& storage) const {
    recordio::WithCaller(370, [&] {
        recordio::Writer io(storage);
        transfer(*this, io);
    });
}

void mTPersonInformation::LoadFromStorage(mTDocumentStorage& storage) {
    recordio::WithCaller(371, [&] {
        recordio::Reader io(storage);
        load(*this, io);
    });
}

uint64_t mTPersonInformation::ComputeSize() const {
    recordio::Sizer io;
    transfer(*this, io);
    return io.Total();
}

}  // namespace zizaza
