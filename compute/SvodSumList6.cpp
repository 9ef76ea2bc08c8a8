#include "compute/SvodSumList6.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

namespace {

// Taxpayer categories who declare under art. 227: entrepreneur, head of a
// farm, notary, lawyer, arbitration manager. Their nil line goes to the
// business code.
bool declaresBusiness(uint8_t category) {
    return category == 0 || category == 1 || category == 2 || category == 3 || category == 6;
}

class LineBuilder {
public:
    LineBuilder(std::vector<bmTList1>& lines, const std::string& ownOktmo) : lines_(lines), ownOktmo_(ownOktmo) {}

    void append(const char* kbk, const std::string& oktmo, const char* sign, Currency amount) {
        lines_.push_back({kbk, oktmo, sign, amount});
    }

    // Adds to the first line of the same code and OKTMO, or appends one.
    void addTo(const char* kbk, const std::string& oktmo, const char* sign, Currency amount) {
        for (bmTList1& line : lines_)
            if (line.Kbk == kbk && line.Oktmo == oktmo) {
                line.Amount += amount;
                return;
            }
        append(kbk, oktmo, sign, amount);
    }

    // A refund goes back to the OKTMO of the sources that withheld the tax, in
    // list order, up to what each withheld. Returns what is left.
    template <class List>
    Currency spreadRefund(Currency refund, const List& sources) {
        for (size_t i = 0; i < sources.Count() && refund > Currency(); ++i) {
            const auto& source = sources.Item(i);
            if (source.TaxWithheld <= Currency())
                continue;
            const Currency part = minOf(refund, source.TaxWithheld);
            addTo(kKbkWithheldByAgents, source.SourceOKTMO, kSignRefund, part);
            refund -= part;
        }
        return refund;
    }

    const std::string& ownOktmo() const { return ownOktmo_; }

private:
    std::vector<bmTList1>& lines_;
    const std::string& ownOktmo_;
};

// What a rate leaves to pay (positive) or to refund (negative).
Currency balanceOf(const kTSvodSumRateList& list) { return list.ToPay - list.ToRefund; }

// At a rate other than 13%: tax to pay on other declared income, a refund
// spread over the rate's sources; what no source withheld is not listed.
template <class List>
void payOrRefund(LineBuilder& lines, Currency balance, const List& sources) {
    if (balance > Currency())
        lines.addTo(kKbkDeclared, lines.ownOktmo(), kSignPay, balance);
    else if (balance < Currency())
        lines.spreadRefund(-balance, sources);
}

void residentRate13(LineBuilder& lines, const mTDeclaration& decl, const kTSvodSum& s) {
    const bool business = (decl.IncomeKinds & kIncomeBusiness) != 0;
    Currency balance = balanceOf(s.List1);
    if (balance > Currency()) {
        // The tax on business income (art. 227) goes to its own code, the rest
        // to the code of other declared income (art. 228).
        if (business) {
            const Currency businessTax =
                TaxAtRate(s.PrilV1.Income - s.PrilV1.ProfDeduction, TaxRate::Percent13) - s.PrilV1.AdvancesPaid;
            if (businessTax > Currency()) {
                const Currency part = minOf(businessTax, balance);
                lines.append(kKbkBusiness, lines.ownOktmo(), kSignPay, part);
                balance -= part;
            }
        }
        if (balance > Currency())
            lines.append(kKbkDeclared, lines.ownOktmo(), kSignPay, balance);
    } else if (balance < Currency()) {
        Currency refund = -balance;
        // Business advance payments come back on the business code first.
        if (business && decl.Businesses.Count() > 0 && decl.ActualAdvancePayments > Currency()) {
            const Currency part = minOf(decl.ActualAdvancePayments, refund);
            lines.append(kKbkBusiness, lines.ownOktmo(), kSignRefund, part);
            refund -= part;
        }
        refund = lines.spreadRefund(refund, decl.Sources13);
        refund = lines.spreadRefund(refund, decl.InvestPartnerships);
        refund = lines.spreadRefund(refund, decl.DividendSources);
        if (refund > Currency())
            lines.addTo(kKbkWithheldByAgents, lines.ownOktmo(), kSignRefund, refund);
    }
}

void nonResidentRate13(LineBuilder& lines, const mTDeclaration& decl, const kTSvodSum& s) {
    const Currency balance = balanceOf(s.List1);
    if (balance > Currency()) {
        lines.append(kKbkDeclared, lines.ownOktmo(), kSignPay, balance);
    } else if (balance < Currency()) {
        Currency refund = lines.spreadRefund(-balance, decl.Sources13NR);
        refund = lines.spreadRefund(refund, decl.InvestPartnerships);
        if (refund > Currency())
            lines.addTo(kKbkWithheldByAgents, lines.ownOktmo(), kSignRefund, refund);
    }
}

} // namespace

bool kTSvodSumList6::Compute(const mTDeclaration& decl, const kTSvodSum& s) {
    Lines.clear();
    LineBuilder lines(Lines, decl.Person->OKTMO);
    if (decl.ReturnKind == kReturnResident) {
        residentRate13(lines, decl, s);
        payOrRefund(lines, balanceOf(s.List4), decl.Sources9);
        payOrRefund(lines, balanceOf(s.List3), decl.Sources35);
    } else if (decl.ReturnKind == kReturnNonResident) {
        nonResidentRate13(lines, decl, s);
        payOrRefund(lines, balanceOf(s.List5), decl.DividendSources);
        // A non-resident keeps the 30% sources in `Sources13`.
        payOrRefund(lines, balanceOf(s.List2), decl.Sources13);
    }

    // Some rate has tax to pay: the taxpayer's OKTMO is needed.
    bool refundOnly = true;
    for (const kTSvodSumRateList* list : {static_cast<const kTSvodSumRateList*>(&s.List1),
                                          static_cast<const kTSvodSumRateList*>(&s.List2),
                                          static_cast<const kTSvodSumRateList*>(&s.List3),
                                          static_cast<const kTSvodSumRateList*>(&s.List4),
                                          static_cast<const kTSvodSumRateList*>(&s.List5)})
        if (list->ToRefund < list->ToPay)
            refundOnly = false;

    // Nothing to pay or refund: one nil line.
    if (Lines.empty()) {
        lines.append(declaresBusiness(decl.TaxpayerCategory) ? kKbkBusiness : kKbkDeclared, lines.ownOktmo(),
                     kSignNil, Currency());
        refundOnly = false;
    }
    return refundOnly;
}

} // namespace velmar
