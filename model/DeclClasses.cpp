#include "model/DeclClasses.h"

#include "platform/CodePage.h"

#include <type_traits>

namespace velmar {

mTDeclaration::mTDeclaration()
    : SigningDate(today()), FarmFoundingDate(encodeDateOrThrow(2000, 1, 1)),
      Person(std::make_unique<mTPersonInformation>()), Standard(std::make_unique<mTStandartDeduct>()),
      Social(std::make_unique<mTSocialDeduct>()), Property(std::make_unique<mTConstructionDeduct>()),
      Securities(std::make_unique<mTCBDeduct>()) {
    TaxPayments.Create();
}

mTDeclaration::mTDeclaration(const mTDeclaration& o)
    : InspectionCode(o.InspectionCode), InspectionName(o.InspectionName), DeclFlag(o.DeclFlag),
      CorrectionNumber(o.CorrectionNumber), SigningDate(o.SigningDate), ConfirmationKind(o.ConfirmationKind),
      TaxpayerCategory(o.TaxpayerCategory), ReturnKind(o.ReturnKind), IncomeKinds(o.IncomeKinds),
      AutoCountSheets(o.AutoCountSheets), SupportingSheets(o.SupportingSheets),
      ForeignExpenseDocs(o.ForeignExpenseDocs), DeclInt48(o.DeclInt48), MonthsWorked(o.MonthsWorked),
      DeclInt56(o.DeclInt56), DeclInt60(o.DeclInt60), DeclInt64(o.DeclInt64), DeclInt68(o.DeclInt68),
      InfoLayout(o.InfoLayout), DeclInt76(o.DeclInt76), ActualAdvancePayments(o.ActualAdvancePayments),
      AssessedAdvancePayments(o.AssessedAdvancePayments), EstimatedIncome(o.EstimatedIncome),
      BusinessAmount120(o.BusinessAmount120), RepresentativeDocument(o.RepresentativeDocument),
      FarmFoundingDate(o.FarmFoundingDate), FarmExemptIncome(o.FarmExemptIncome), IsPeasantFarm(o.IsPeasantFarm),
      RepresentativeName(o.RepresentativeName), RepresentativeOrganisation(o.RepresentativeOrganisation),
      ForeignerFixedAdvance(o.ForeignerFixedAdvance), CorrectedIncome(o.CorrectedIncome),
      CorrectedExpense(o.CorrectedExpense), PatentPayments(o.PatentPayments), TradeLevy(o.TradeLevy),
      InvestmentDeduction(o.InvestmentDeduction), InvestmentDeductionReturn(o.InvestmentDeductionReturn),
      Sources13(o.Sources13), Sources13NR(o.Sources13NR), Sources35(o.Sources35),
      DividendSources(o.DividendSources), Sources9(o.Sources9), CurrencyIncomes(o.CurrencyIncomes),
      Businesses(o.Businesses), TaxPayments(o.TaxPayments), FifthList(o.FifthList),
      InvestPartnerships(o.InvestPartnerships), Person(std::make_unique<mTPersonInformation>(*o.Person)),
      Standard(std::make_unique<mTStandartDeduct>(*o.Standard)),
      Social(std::make_unique<mTSocialDeduct>(*o.Social)),
      Property(std::make_unique<mTConstructionDeduct>(*o.Property)),
      Securities(std::make_unique<mTCBDeduct>(*o.Securities)) {}

void mTDeclaration::SetIncomeKinds(uint8_t bits) {
    auto switched = [&](uint8_t bit, bool& on) {
        bool was = (IncomeKinds & bit) != 0;
        on = (bits & bit) != 0;
        return was != on;
    };
    bool on = false;
    if (switched(kIncomeRF, on)) {
        for (auto* list : {&Sources13, &Sources13NR})
            on ? list->Create() : list->Destroy();
        on ? Sources35.Create() : Sources35.Destroy();
        on ? DividendSources.Create() : DividendSources.Destroy();
        on ? Sources9.Create() : Sources9.Destroy();
        if (!on) {
            ForeignerFixedAdvance = Currency();
            MonthsWorked = 0;
        }
    }
    if (switched(kIncomeCurrency, on))
        on ? CurrencyIncomes.Create() : CurrencyIncomes.Destroy();
    if (switched(kIncomeInvestTov, on))
        on ? InvestPartnerships.Create() : InvestPartnerships.Destroy();
    if (switched(kIncomeBusiness, on))
        on ? Businesses.Create() : Businesses.Destroy();
    if (switched(kIncomeFifth, on))
        on ? FifthList.Create() : FifthList.Destroy();
    IncomeKinds = bits;
}

void mTDeclaration::SetForeignExpenseDocs(int32_t n) {
    if (AutoCountSheets)
        SupportingSheets = SupportingSheets + n - ForeignExpenseDocs;
    ForeignExpenseDocs = n;
}

void mTDeclaration::SetSupportingSheets(int32_t n) {
    if (!AutoCountSheets)
        SupportingSheets = n;
}

// ---------------------------------------------------------------- streams

void mTDeclaration::saveDeclInfo(mTDocumentStorage& s) const {
    s.CreateStream("@DeclInfo");
    s.WriteString(InspectionCode);
    s.WriteString(InspectionName);
    s.WriteByte(DeclFlag);
    s.WriteInteger(static_cast<uint32_t>(CorrectionNumber));
    s.WriteDate(SigningDate);
    s.WriteWord(ConfirmationKind);
    s.WriteWord(TaxpayerCategory);
    s.WriteWord(ReturnKind);
    s.WriteWord(IncomeKinds);
    s.WriteByte(AutoCountSheets);
    for (int32_t v : {SupportingSheets, ForeignExpenseDocs, DeclInt48, MonthsWorked, DeclInt56, DeclInt60,
                      DeclInt64, DeclInt68, InfoLayout, DeclInt76})
        s.WriteInteger(static_cast<uint32_t>(v));
    s.WriteString(RepresentativeDocument);
    s.WriteCurrency(EstimatedIncome);
    s.WriteString(RepresentativeName);
    s.WriteString(RepresentativeOrganisation);
    s.WriteCurrency(ForeignerFixedAdvance);
    s.WriteCurrency(InvestmentDeduction);
    s.WriteCurrency(InvestmentDeductionReturn);
}

void mTDeclaration::loadDeclInfo(mTDocumentStorage& s) {
    InspectionCode = s.ReadString();
    InspectionName = s.ReadString();
    DeclFlag = s.ReadByte();
    CorrectionNumber = s.ReadInteger();
    SigningDate = s.ReadDate();
    ConfirmationKind = static_cast<uint8_t>(s.ReadWord());
    TaxpayerCategory = static_cast<uint8_t>(s.ReadWord());
    ReturnKind = static_cast<uint8_t>(s.ReadWord());
    SetIncomeKinds(static_cast<uint8_t>(s.ReadWord()));
    AutoCountSheets = s.ReadByte();
    for (int32_t* v : {&SupportingSheets, &ForeignExpenseDocs, &DeclInt48, &MonthsWorked, &DeclInt56, &DeclInt60,
                       &DeclInt64, &DeclInt68, &InfoLayout, &DeclInt76})
        *v = s.ReadInteger();
    RepresentativeDocument = s.ReadString();
    EstimatedIncome = s.ReadCurrency();
    RepresentativeName = s.ReadString();
    RepresentativeOrganisation = s.ReadString();
    ForeignerFixedAdvance = s.ReadCurrency();
    if (InfoLayout == 1) {
        // Files written before these two amounts existed end @DeclInfo here;
        // a failed read leaves both at their defaults and the position unmoved.
        Currency investment, investmentReturn;
        if (s.Tolerant([&] {
                investment = s.ReadCurrency();
                investmentReturn = s.ReadCurrency();
            })) {
            InvestmentDeduction = investment;
            InvestmentDeductionReturn = investmentReturn;
        }
    }
}

void mTDeclaration::save(mTDocumentStorage& s) const {
    s.CreateHeader("Velm2015");
    saveDeclInfo(s);
    Person->Save(s);
    if (IncomeKinds & kIncomeRF) {
        s.CreateStream("@DeclInquiry");
        auto saveList = [&](const auto& list, int variant) {
            s.WriteWord(static_cast<uint16_t>(list.Count()));
            for (size_t i = 0; i < list.Count(); ++i)
                list.Item(i).SaveTo(s, i, variant);
        };
        saveList(Sources13, 0);
        saveList(Sources13NR, 1);
        saveList(Sources35, 0);
        saveList(DividendSources, 1);
        saveList(Sources9, 0);
    }
    if (IncomeKinds & kIncomeCurrency) {
        s.CreateStream("@DeclForeign");
        s.WriteWord(static_cast<uint16_t>(CurrencyIncomes.Count()));
        for (size_t i = 0; i < CurrencyIncomes.Count(); ++i)
            CurrencyIncomes.Item(i).SaveTo(s, i);
    }
    if (IncomeKinds & kIncomeInvestTov) {
        s.CreateStream("@DeclInvestTov");
        s.WriteWord(static_cast<uint16_t>(InvestPartnerships.Count()));
        for (size_t i = 0; i < InvestPartnerships.Count(); ++i)
            InvestPartnerships.Item(i).SaveTo(s, i, 0);
    }
    if (IncomeKinds & kIncomeBusiness) {
        s.CreateStream("@DeclBusiness");
        s.WriteWord(static_cast<uint16_t>(Businesses.Count()));
        for (size_t i = 0; i < Businesses.Count(); ++i)
            Businesses.Item(i).SaveTo(s, i);
        s.WriteCurrency(ActualAdvancePayments);
        s.WriteCurrency(EstimatedIncome);
        s.WriteCurrency(BusinessAmount120);
        s.WriteCurrency(AssessedAdvancePayments);
        s.WriteString(RepresentativeDocument);
        s.WriteByte(IsPeasantFarm);
        s.WriteDate(FarmFoundingDate);
        for (Currency v : {FarmExemptIncome, CorrectedIncome, CorrectedExpense, TradeLevy, PatentPayments})
            s.WriteCurrency(v);
    }
    if (IncomeKinds != 0) {
        Standard->Save(s);
        Social->Save(s);
        Property->Save(s);
        Securities->Save(s);
    }
    s.CreateStream("@Nalog");
    s.WriteWord(static_cast<uint16_t>(TaxPayments.Count()));
    for (size_t i = 0; i < TaxPayments.Count(); ++i)
        TaxPayments.Item(i).SaveTo(s, i);
}

void mTDeclaration::load(mTDocumentStorage& s) {
    if (s.DeclTag != "Velm2015") {
        // A return of another year gives its taxpayer only.
        s.OpenStream("@DeclInfo");
        Person->Load(s);
        return;
    }
    s.OpenStream("@DeclInfo");
    loadDeclInfo(s);
    Person->Load(s);
    if (IncomeKinds & kIncomeRF) {
        s.OpenStream("@DeclInquiry");
        auto loadList = [&](auto& list, int variant) {
            const uint16_t count = s.ReadWord();
            for (uint16_t i = 0; i < count; ++i)
                list.Item(list.Add()).LoadFrom(s, i, variant);
        };
        loadList(Sources13, 0);
        loadList(Sources13NR, 1);
        loadList(Sources35, 0);
        loadList(DividendSources, 1);
        loadList(Sources9, 0);
    }
    // Read in the order of the save, so every stream is found after the last one.
    if (IncomeKinds & kIncomeCurrency) {
        s.OpenStream("@DeclForeign");
        const uint16_t count = s.ReadWord();
        for (uint16_t i = 0; i < count; ++i)
            CurrencyIncomes.Item(CurrencyIncomes.Add()).LoadFrom(s, i);
    }
    if (IncomeKinds & kIncomeInvestTov) {
        s.OpenStream("@DeclInvestTov");
        const uint16_t count = s.ReadWord();
        for (uint16_t i = 0; i < count; ++i)
            InvestPartnerships.Item(InvestPartnerships.Add()).LoadFrom(s, i, 0);
    }
    if (IncomeKinds & kIncomeBusiness) {
        s.OpenStream("@DeclBusiness");
        const uint16_t count = s.ReadWord();
        for (uint16_t i = 0; i < count; ++i)
            Businesses.Item(Businesses.Add()).LoadFrom(s, i);
        ActualAdvancePayments = s.ReadCurrency();
        EstimatedIncome = s.ReadCurrency();
        BusinessAmount120 = s.ReadCurrency();
        AssessedAdvancePayments = s.ReadCurrency();
        RepresentativeDocument = s.ReadString();
        IsPeasantFarm = s.ReadByte();
        FarmFoundingDate = s.ReadDate();
        for (Currency* v : {&FarmExemptIncome, &CorrectedIncome, &CorrectedExpense, &TradeLevy, &PatentPayments})
            *v = s.ReadCurrency();
    }
    if (IncomeKinds != 0) {
        Standard->Load(s);
        Social->Load(s);
        Property->Load(s);
        Securities->Load(s);
    }
    s.OpenStream("@Nalog");
    const uint16_t count = s.ReadWord();
    for (uint16_t i = 0; i < count; ++i)
        TaxPayments.Item(TaxPayments.Add()).LoadFrom(s, i);
}

uint32_t mTDeclaration::SavedSize() {
    InfoLayout = 1;
    auto counter = mTDocumentStorage::CreateCounter();
    save(*counter);
    return counter->Position;
}

void mTDeclaration::SaveToFile(const std::string& path) {
    std::string unsavable = FirstUnsavableText();
    if (!unsavable.empty())
        throw mEWriteStorage("Декларацию нельзя сохранить: " + unsavable, 0);
    const uint32_t size = SavedSize();
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(path, size, false);
    } catch (mEBadStorage& e) {
        e.Where = 389;
        throw;
    }
    mTDocumentStorage storage(loader.get());
    save(storage);
    if (storage.Position != size)
        throw mEWriteStorage("Размер записанных данных не совпал с расчетным.", 0);
    loader->Commit();
}

void mTDeclaration::LoadFromFile(const std::string& path) {
    std::unique_ptr<mTFileLoader> loader;
    try {
        loader = std::make_unique<mTFileLoader>(path, 0, true);
    } catch (mEBadStorage& e) {
        e.Where = 390;
        throw;
    }
    mTDocumentStorage storage(loader.get());
    try {
        storage.OpenHeader();
    } catch (mEBadStorage& e) {
        e.Where = 391;
        throw;
    } catch (const EConvertError&) {
        throw mEBadStorage(stgmsg::kBadFormat, 392);
    }
    load(storage);
}

// ---------------------------------------------------------------- texts

namespace {

struct TextCheck {
    std::string prefix;
    std::string* error;

    template <class T>
    void operator()(const char* name, T& value) {
        if constexpr (std::is_same_v<T, std::string>) {
            if (!error->empty())
                return;
            auto converted = utf8ToCp1251(value);
            if (!converted)
                *error = prefix + name + ": текст содержит символы, которых нет в кодировке Windows-1251";
            else if (converted->size() > mTDocumentStorage::kMaxValueLength)
                *error = prefix + name + ": текст длиннее 9999 символов";
        }
    }
};

template <class R>
void checkRecord(R& record, const std::string& prefix, std::string& error) {
    TextCheck check{prefix, &error};
    record.fields(check);
}

template <class L>
void checkList(L& list, const std::string& name, std::string& error) {
    for (size_t i = 0; i < list.Count() && error.empty(); ++i) {
        std::string prefix = name + "[" + std::to_string(i) + "].";
        checkRecord(list.Item(i), prefix, error);
        if constexpr (requires { list.Item(i).Incomes.items(); }) {
            const auto& items = list.Item(i).Incomes.items();
            for (size_t k = 0; k < items.size() && error.empty(); ++k)
                checkRecord(const_cast<std::remove_cvref_t<decltype(items[k])>&>(items[k]),
                            prefix + "Incomes[" + std::to_string(k) + "].", error);
        }
    }
}

} // namespace

std::string mTDeclaration::FirstUnsavableText() const {
    auto& self = const_cast<mTDeclaration&>(*this);
    std::string error;
    checkRecord(self, "", error);
    checkRecord(*self.Person, "Person.", error);
    checkList(self.Sources13, "Sources13", error);
    checkList(self.Sources13NR, "Sources13NR", error);
    checkList(self.Sources35, "Sources35", error);
    checkList(self.DividendSources, "DividendSources", error);
    checkList(self.Sources9, "Sources9", error);
    checkList(self.CurrencyIncomes, "CurrencyIncomes", error);
    checkList(self.Businesses, "Businesses", error);
    checkList(self.TaxPayments, "TaxPayments", error);
    checkList(self.InvestPartnerships, "InvestPartnerships", error);
    for (size_t i = 0; i < self.Social->PensionCount() && error.empty(); ++i)
        checkRecord(self.Social->PensionItem(i), "Social.Pensions[" + std::to_string(i) + "].", error);
    for (size_t i = 0; i < self.Property->ObjectCount() && error.empty(); ++i)
        checkRecord(self.Property->ObjectItem(i), "Property.Objects[" + std::to_string(i) + "].", error);
    return error;
}

} // namespace velmar
