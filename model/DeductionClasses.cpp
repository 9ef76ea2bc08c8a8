#include "model/DeductionClasses.h"

namespace velmar {

// ---------------------------------------------------------------- standard

void mTStandartDeduct::Save(mTDocumentStorage& s) const {
    withWhere(381, [&] {
        s.CreateStream("@StandartDeduct");
        s.WriteByte(Granted);
        if (Granted != 1)
            return;
        s.WriteInteger(static_cast<uint32_t>(PersonalCode));
        s.WriteInteger(static_cast<uint32_t>(ParentStatus));
        auto writeCount = [&](uint8_t isConst, int32_t count, const std::array<int32_t, 12>& byMonth) {
            s.WriteByte(isConst);
            if (isConst)
                s.WriteInteger(static_cast<uint32_t>(count));
            else
                for (int32_t n : byMonth)
                    s.WriteInteger(static_cast<uint32_t>(n));
        };
        writeCount(ChildrenConst, Children, ChildrenByMonth);
        writeCount(DisabledConst, Disabled, DisabledByMonth);
        s.WriteByte(HasMonthly);
        if (HasMonthly == 1) {
            for (Currency v : MonthIncome) s.WriteCurrency(v);
            for (Currency v : MonthExpense) s.WriteCurrency(v);
            for (uint8_t v : MonthFlags) s.WriteByte(v);
        }
        s.WriteByte(HasCodeByMonth);
        if (HasCodeByMonth == 1)
            for (int32_t v : CodeByMonth) s.WriteInteger(static_cast<uint32_t>(v));
        s.WriteByte(HasStatusByMonth);
        if (HasStatusByMonth == 1)
            for (int32_t v : StatusByMonth) s.WriteInteger(static_cast<uint32_t>(v));
        writeCount(ThirdConst, Third, ThirdByMonth);
    });
}

void mTStandartDeduct::Load(mTDocumentStorage& s) {
    withWhere(382, [&] {
        s.OpenStream("@StandartDeduct");
        Granted = s.ReadByte();
        if (Granted != 1)
            return;
        PersonalCode = s.ReadInteger();
        ParentStatus = s.ReadInteger();
        auto readCount = [&](uint8_t& isConst, int32_t& count, std::array<int32_t, 12>& byMonth) {
            isConst = s.ReadByte();
            if (isConst)
                count = s.ReadInteger();
            else
                for (int32_t& n : byMonth) n = s.ReadInteger();
        };
        readCount(ChildrenConst, Children, ChildrenByMonth);
        readCount(DisabledConst, Disabled, DisabledByMonth);
        // Older files end the stream before the monthly blocks: once one of the
        // three flags cannot be read, the rest of the stream is taken as absent.
        if (!s.Tolerant([&] { HasMonthly = s.ReadByte(); })) {
            HasMonthly = HasCodeByMonth = HasStatusByMonth = 0;
            return;
        }
        if (HasMonthly == 1) {
            for (Currency& v : MonthIncome) v = s.ReadCurrency();
            for (Currency& v : MonthExpense) v = s.ReadCurrency();
            for (uint8_t& v : MonthFlags) v = s.ReadByte();
        }
        if (!s.Tolerant([&] { HasCodeByMonth = s.ReadByte(); })) {
            HasCodeByMonth = HasStatusByMonth = 0;
            return;
        }
        if (HasCodeByMonth == 1)
            for (int32_t& v : CodeByMonth) v = s.ReadInteger();
        if (!s.Tolerant([&] { HasStatusByMonth = s.ReadByte(); })) {
            HasStatusByMonth = 0;
            return;
        }
        if (HasStatusByMonth == 1)
            for (int32_t& v : StatusByMonth) v = s.ReadInteger();
        readCount(ThirdConst, Third, ThirdByMonth);
    });
}

// ---------------------------------------------------------------- social

mTSocialDeduct::mTSocialDeduct(const mTSocialDeduct& o)
    : Granted(o.Granted), Charity(o.Charity), SelfEducation(o.SelfEducation), ChildEducation(o.ChildEducation),
      Medical(o.Medical), ExpensiveMedical(o.ExpensiveMedical), VoluntaryInsurance(o.VoluntaryInsurance),
      AdditionalContributions(o.AdditionalContributions), SocialAmount64(o.SocialAmount64) {
    for (const auto& p : o.Pensions)
        Pensions.push_back(std::make_unique<mTPens>(*p));
}

size_t mTSocialDeduct::ChildEducationAdd(Currency amount) {
    try {
        ChildEducation.push_back(amount);
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(stgmsg::kNoMemory, 300);
    }
    return ChildEducation.size() - 1;
}

Currency mTSocialDeduct::ChildEducationGet(size_t index) const {
    if (index >= ChildEducation.size())
        throw mEMemoryAllocate(stgmsg::kNotAllocated, ChildEducation.empty() ? 310 : 311);
    return ChildEducation[index];
}

void mTSocialDeduct::ChildEducationSet(size_t index, Currency amount) {
    if (index >= ChildEducation.size())
        throw mEMemoryAllocate(stgmsg::kNotAllocated, ChildEducation.empty() ? 320 : 321);
    ChildEducation[index] = amount;
}

void mTSocialDeduct::ChildEducationDelete(size_t index) {
    if (index >= ChildEducation.size())
        throw mEMemoryAllocate(stgmsg::kNotAllocated, ChildEducation.empty() ? 330 : 331);
    ChildEducation.erase(ChildEducation.begin() + static_cast<std::ptrdiff_t>(index));
}

size_t mTSocialDeduct::AddPension() {
    Pensions.push_back(std::make_unique<mTPens>());
    return Pensions.size() - 1;
}

void mTSocialDeduct::DeletePension(size_t index) {
    Pensions.erase(Pensions.begin() + static_cast<std::ptrdiff_t>(index));
}

void mTPens::SaveTo(mTDocumentStorage& s, size_t index) const {
    withWhere(375, [&] {
        s.CreateStream("@PensSub" + IndexSuffix(index));
        s.WriteInteger(static_cast<uint32_t>(ContractKind));
        s.WriteString(OrgName); s.WriteString(OrgINN); s.WriteString(OrgKPP); s.WriteString(ContractNumber);
        s.WriteDate(ContractDate);
        s.WriteCurrency(Contribution); s.WriteCurrency(ContributionToDeduct); s.WriteCurrency(AgentDeduction);
    });
}

void mTPens::LoadFrom(mTDocumentStorage& s, size_t index) {
    withWhere(376, [&] {
        s.OpenStream("@PensSub" + IndexSuffix(index));
        ContractKind = s.ReadInteger();
        OrgName = s.ReadString(); OrgINN = s.ReadString(); OrgKPP = s.ReadString(); ContractNumber = s.ReadString();
        ContractDate = s.ReadDate();
        Contribution = s.ReadCurrency(); ContributionToDeduct = s.ReadCurrency(); AgentDeduction = s.ReadCurrency();
    });
}

void mTSocialDeduct::Save(mTDocumentStorage& s) const {
    withWhere(383, [&] {
        s.CreateStream("@SocialDeduct");
        s.WriteByte(Granted);
        if (Granted != 1)
            return;
        s.WriteCurrency(Charity);
        s.WriteCurrency(SelfEducation);
        s.WriteInteger(static_cast<uint32_t>(ChildEducation.size()));
        for (Currency amount : ChildEducation)
            s.WriteCurrency(amount);
        for (Currency v : {Medical, ExpensiveMedical, VoluntaryInsurance, AdditionalContributions, SocialAmount64})
            s.WriteCurrency(v);
        s.CreateStream("@Pens");
        s.WriteWord(static_cast<uint16_t>(Pensions.size()));
        for (size_t i = 0; i < Pensions.size(); ++i)
            Pensions[i]->SaveTo(s, i);
    });
}

void mTSocialDeduct::Load(mTDocumentStorage& s) {
    withWhere(384, [&] {
        s.OpenStream("@SocialDeduct");
        Granted = s.ReadByte();
        if (Granted != 1)
            return;
        Charity = s.ReadCurrency();
        SelfEducation = s.ReadCurrency();
        const int32_t count = s.ReadInteger();
        ChildEducation.clear();
        for (int32_t i = 0; i < count; ++i) {
            Currency amount = s.ReadCurrency();
            try {
                ChildEducation.push_back(amount);
            } catch (const std::bad_alloc&) {
                throw mEMemoryAllocate(stgmsg::kNoMemory, 350);
            }
        }
        for (Currency* v : {&Medical, &ExpensiveMedical, &VoluntaryInsurance, &AdditionalContributions, &SocialAmount64})
            *v = s.ReadCurrency();
        s.OpenStream("@Pens");
        const uint16_t contracts = s.ReadWord();
        Pensions.clear();
        for (uint16_t i = 0; i < contracts; ++i) {
            auto contract = std::make_unique<mTPens>();
            contract->LoadFrom(s, i);
            Pensions.push_back(std::move(contract));
        }
    });
}

// ---------------------------------------------------------------- property

mTConstructionDeductObj::mTConstructionDeductObj()
    : OwnershipRegDate(encodeDateOrThrow(2003, 1, 1)), PurchaseDate(encodeDateOrThrow(2003, 1, 1)),
      PrivilegeStartDate(encodeDateOrThrow(2003, 1, 1)) {}

void mTConstructionDeductObj::SaveTo(mTDocumentStorage& s, size_t index) const {
    withWhere(397, [&] {
        s.CreateStream("@ConstructionDeductObj" + IndexSuffix(index));
        s.WriteInteger(static_cast<uint32_t>(ObjectKind));
        s.WriteInteger(static_cast<uint32_t>(OwnershipKind));
        s.WriteInteger(static_cast<uint32_t>(TaxpayerSign));
        for (const std::string* text : {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House,
                                        &Building, &Flat})
            s.WriteString(*text);
        for (TDateTime d : {OwnershipRegDate, PurchaseDate, PrivilegeStartDate, ApplicationDate, LandRegDate})
            s.WriteDate(d);
        s.WriteInteger(static_cast<uint32_t>(ShareNumerator));
        s.WriteInteger(static_cast<uint32_t>(ShareDenominator));
        s.WriteByte(InvestFlag);
        s.WriteByte(IsPensioner);
        s.WriteCurrency(ObjectExpenses);
        s.WriteCurrency(ObjectInterest);
    });
}

void mTConstructionDeductObj::LoadFrom(mTDocumentStorage& s, size_t index) {
    withWhere(398, [&] {
        s.OpenStream("@ConstructionDeductObj" + IndexSuffix(index));
        ObjectKind = s.ReadInteger();
        OwnershipKind = s.ReadInteger();
        TaxpayerSign = s.ReadInteger();
        for (std::string* text : {&PostIndex, &RegionCode, &District, &City, &Locality, &Street, &House,
                                  &Building, &Flat})
            *text = s.ReadString();
        for (TDateTime* d : {&OwnershipRegDate, &PurchaseDate, &PrivilegeStartDate, &ApplicationDate, &LandRegDate})
            *d = s.ReadDate();
        ShareNumerator = s.ReadInteger();
        ShareDenominator = s.ReadInteger();
        InvestFlag = s.ReadByte();
        IsPensioner = s.ReadByte();
        ObjectExpenses = s.ReadCurrency();
        ObjectInterest = s.ReadCurrency();
    });
}

mTConstructionDeduct::mTConstructionDeduct(const mTConstructionDeduct& o)
    : Granted(o.Granted), CarriedOverMain(o.CarriedOverMain), CarriedOverInterest(o.CarriedOverInterest),
      PriorYearsMain(o.PriorYearsMain), PriorYearsInterest(o.PriorYearsInterest), AgentMain(o.AgentMain),
      AgentInterest(o.AgentInterest), UnsavedAmount1(o.UnsavedAmount1), UnsavedAmount2(o.UnsavedAmount2) {
    for (const auto& obj : o.Objects)
        Objects.push_back(std::make_unique<mTConstructionDeductObj>(*obj));
}

size_t mTConstructionDeduct::AddObject(std::unique_ptr<mTConstructionDeductObj> object) {
    Objects.push_back(std::move(object));
    return Objects.size() - 1;
}

void mTConstructionDeduct::DeleteObject(size_t index) {
    Objects.erase(Objects.begin() + static_cast<std::ptrdiff_t>(index));
}

void mTConstructionDeduct::Save(mTDocumentStorage& s) const {
    withWhere(385, [&] {
        s.CreateStream("@ConstructionDeduct");
        s.WriteByte(Granted);
        if (Granted != 1)
            return;
        for (Currency v : {CarriedOverMain, CarriedOverInterest, PriorYearsMain, PriorYearsInterest, AgentMain,
                           AgentInterest})
            s.WriteCurrency(v);
        s.WriteInteger(static_cast<uint32_t>(Objects.size()));
        for (size_t i = 0; i < Objects.size(); ++i)
            Objects[i]->SaveTo(s, i);
    });
}

void mTConstructionDeduct::Load(mTDocumentStorage& s) {
    withWhere(386, [&] {
        s.OpenStream("@ConstructionDeduct");
        Granted = s.ReadByte();
        if (Granted != 1)
            return;
        for (Currency* v : {&CarriedOverMain, &CarriedOverInterest, &PriorYearsMain, &PriorYearsInterest,
                            &AgentMain, &AgentInterest})
            *v = s.ReadCurrency();
        const uint16_t count = s.ReadWord();
        Objects.clear();
        for (uint16_t i = 0; i < count; ++i) {
            auto object = std::make_unique<mTConstructionDeductObj>();
            object->LoadFrom(s, i);
            Objects.push_back(std::move(object));
        }
    });
}

// ---------------------------------------------------------------- securities

Currency mTCBDeduct::TotalLossCB() const {
    Currency total;
    for (Currency v : LossCB) total += v;
    return total;
}

Currency mTCBDeduct::TotalLossFISS() const {
    Currency total;
    for (Currency v : LossFISS) total += v;
    return total;
}

void mTCBDeduct::Save(mTDocumentStorage& s) const {
    withWhere(395, [&] {
        s.CreateStream("@CBDeduct");
        for (Currency v : LossCB) s.WriteCurrency(v);
        for (Currency v : LossFISS) s.WriteCurrency(v);
    });
}

void mTCBDeduct::Load(mTDocumentStorage& s) {
    withWhere(396, [&] {
        s.OpenStream("@CBDeduct");
        for (Currency& v : LossCB) v = s.ReadCurrency();
        for (Currency& v : LossFISS) v = s.ReadCurrency();
    });
}

} // namespace velmar
