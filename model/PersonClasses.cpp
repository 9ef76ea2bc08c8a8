#include "model/PersonClasses.h"

namespace velmar {

namespace {

// Which values a file of a given year holds.
enum class PersonLayout { Current, Y2005To2012, Y2004, Other };

PersonLayout layoutOf(const std::string& tag) {
    if (tag == "Velm2015" || tag == "Velm2014" || tag == "Velm2013")
        return PersonLayout::Current;
    if (tag.size() == 8 && tag.compare(0, 6, "Velm20") == 0) {
        int year = (tag[6] - '0') * 10 + (tag[7] - '0');
        if (tag[6] >= '0' && tag[6] <= '9' && tag[7] >= '0' && tag[7] <= '9') {
            if (year >= 5 && year <= 12)
                return PersonLayout::Y2005To2012;
            if (year == 4)
                return PersonLayout::Y2004;
        }
    }
    return PersonLayout::Other;
}

} // namespace

mTPersonInformation::mTPersonInformation()
    : DocIssueDate(encodeDateOrThrow(1990, 1, 1)), BirthDate(encodeDateOrThrow(1977, 1, 1)) {}

void mTPersonInformation::Save(mTDocumentStorage& s) const {
    withWhere(370, [&] {
        s.CreateStream("@PersonName");
        s.WriteString(Surname); s.WriteString(FirstName); s.WriteString(Patronymic);
        s.WriteString(INN); s.WriteString(NameExtra); s.WriteString(NameExtraFlag);

        s.CreateStream("@PersonDocument");
        s.WriteWord(DocTypeCode); s.WriteString(DocTypeName); s.WriteString(DocSeriesNumber);
        s.WriteDate(DocIssueDate); s.WriteDate(BirthDate);
        s.WriteString(DocIssuedBy); s.WriteString(BirthPlace); s.WriteByte(DocFlag);

        s.CreateStream("@Foreigner");
        s.WriteString(CitizenshipKind); s.WriteString(CountryName);
        s.WriteString(ForeignAddress); s.WriteString(CountryCode);
        s.CreateStream("@PhoneForeignerHome");
        s.WriteString(ForeignHomePhoneCode); s.WriteString(ForeignHomePhone);
        s.CreateStream("@PhoneForeignerWork");
        s.WriteString(ForeignWorkPhoneCode); s.WriteString(ForeignWorkPhone);

        s.CreateStream("@PersonAddress");
        s.WriteByte(StayAddress); s.WriteString(PostIndex); s.WriteWord(RegionCode);
        s.WriteString(RegionName); s.WriteString(District); s.WriteString(City);
        s.WriteString(Locality); s.WriteString(Street); s.WriteString(House);
        s.WriteString(Building); s.WriteString(Flat); s.WriteString(OKTMO);

        s.CreateStream("@HomePhone");
        s.WriteString(HomePhoneCode); s.WriteString(Phone);
        s.CreateStream("@WorkPhone");
        s.WriteString(WorkPhoneCode); s.WriteString(WorkPhone);
    });
}

void mTPersonInformation::Load(mTDocumentStorage& s) {
    const PersonLayout layout = layoutOf(s.DeclTag);
    const bool other = layout == PersonLayout::Other;
    const bool from2005 = layout == PersonLayout::Current || layout == PersonLayout::Y2005To2012;
    withWhere(371, [&] {
        s.OpenStream("@PersonName");
        Surname = s.ReadString(); FirstName = s.ReadString(); Patronymic = s.ReadString();
        INN = s.ReadString();
        if (!other) {
            NameExtra = s.ReadString();
            NameExtraFlag = s.ReadString();
        } else {
            NameExtraFlag = "0";
        }

        s.OpenStream("@PersonDocument");
        DocTypeCode = s.ReadWord(); DocTypeName = s.ReadString(); DocSeriesNumber = s.ReadString();
        DocIssueDate = s.ReadDate(); BirthDate = s.ReadDate();
        if (!other) {
            DocIssuedBy = s.ReadString();
            BirthPlace = s.ReadString();
        }
        if (from2005)
            DocFlag = s.ReadByte();

        // Citizenship and the two foreign telephones form one block: a missing
        // stream ends the block quietly.
        try {
            s.OpenStream("@Foreigner");
            CitizenshipKind = s.ReadString();
            CountryName = s.ReadString();
            if (!other) {
                ForeignAddress = s.ReadString();
                CountryCode = s.ReadString();
            }
            if (from2005) {
                s.OpenStream("@PhoneForeignerHome");
                ForeignHomePhoneCode = s.ReadString(); ForeignHomePhone = s.ReadString();
                s.OpenStream("@PhoneForeignerWork");
                ForeignWorkPhoneCode = s.ReadString(); ForeignWorkPhone = s.ReadString();
            }
        } catch (const mEOpenStream&) {
        }

        s.OpenStream("@PersonAddress");
        if (from2005)
            StayAddress = s.ReadByte();
        PostIndex = s.ReadString(); RegionCode = s.ReadWord(); RegionName = s.ReadString();
        District = s.ReadString(); City = s.ReadString(); Locality = s.ReadString();
        Street = s.ReadString(); House = s.ReadString(); Building = s.ReadString();
        Flat = s.ReadString();
        if (layout == PersonLayout::Current)
            OKTMO = s.ReadString();

        if (from2005) {
            s.OpenStream("@HomePhone");
            HomePhoneCode = s.ReadString(); Phone = s.ReadString();
            s.OpenStream("@WorkPhone");
            WorkPhoneCode = s.ReadString(); WorkPhone = s.ReadString();
        }
    });
}

uint32_t mTPersonInformation::SavedSize() const {
    return CountedSize([&](mTDocumentStorage& s) { Save(s); });
}

} // namespace velmar
