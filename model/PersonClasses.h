#pragma once
#include "model/StgClasses.h"

#include <string>

namespace velmar {

// The taxpayer. Also taken over from files of the years 2004 to 2014.
class mTPersonInformation {
public:
    mTPersonInformation();

    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t SavedSize() const;

    std::string Surname, FirstName, Patronymic;
    std::string INN;
    std::string NameExtra;
    std::string NameExtraFlag = "0";
    uint16_t DocTypeCode = 0;
    std::string DocTypeName;
    std::string DocSeriesNumber;
    TDateTime DocIssueDate;
    TDateTime BirthDate;
    std::string DocIssuedBy;
    std::string BirthPlace;
    std::string CitizenshipKind;
    std::string CountryName = "РОССИЯ";
    std::string ForeignAddress;
    std::string CountryCode = "643";
    uint8_t StayAddress = 0;
    std::string PostIndex;
    uint16_t RegionCode = 0;
    std::string RegionName;
    std::string District, City, Locality, Street, House, Building, Flat;
    std::string OKTMO;
    std::string HomePhoneCode;
    std::string Phone;
    std::string WorkPhoneCode, WorkPhone;
    std::string ForeignHomePhoneCode, ForeignHomePhone, ForeignWorkPhoneCode, ForeignWorkPhone;
    uint8_t DocFlag = 0;

    template <class V>
    void fields(V& v) {
        v("Surname", Surname); v("FirstName", FirstName); v("Patronymic", Patronymic);
        v("INN", INN); v("NameExtra", NameExtra); v("NameExtraFlag", NameExtraFlag);
        v("DocTypeCode", DocTypeCode); v("DocTypeName", DocTypeName);
        v("DocSeriesNumber", DocSeriesNumber); v("DocIssueDate", DocIssueDate);
        v("BirthDate", BirthDate); v("DocIssuedBy", DocIssuedBy); v("BirthPlace", BirthPlace);
        v("CitizenshipKind", CitizenshipKind); v("CountryName", CountryName);
        v("ForeignAddress", ForeignAddress); v("CountryCode", CountryCode);
        v("StayAddress", StayAddress); v("PostIndex", PostIndex); v("RegionCode", RegionCode);
        v("RegionName", RegionName); v("District", District); v("City", City);
        v("Locality", Locality); v("Street", Street); v("House", House);
        v("Building", Building); v("Flat", Flat); v("OKTMO", OKTMO);
        v("HomePhoneCode", HomePhoneCode); v("Phone", Phone);
        v("WorkPhoneCode", WorkPhoneCode); v("WorkPhone", WorkPhone);
        v("ForeignHomePhoneCode", ForeignHomePhoneCode); v("ForeignHomePhone", ForeignHomePhone);
        v("ForeignWorkPhoneCode", ForeignWorkPhoneCode); v("ForeignWorkPhone", ForeignWorkPhone);
        v("DocFlag", DocFlag);
    }
};

} // namespace velmar
