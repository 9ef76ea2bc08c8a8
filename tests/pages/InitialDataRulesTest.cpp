#include "pages/InitialDataRules.h"

#include "model/DeclClasses.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

std::vector<uint16_t> codes(const mTDeclaration& d) {
    std::vector<uint16_t> out;
    for (const TPageProblem& p : InitialDataProblems(d))
        out.push_back(p.code);
    return out;
}

TEST(InitialDataProblems, RepresentativesNeedNameDocumentAndOrganisation) {
    mTDeclaration d;
    d.ConfirmationKind = 2;
    d.RepresentativeName = "  ";
    const std::vector<TPageProblem> problems = InitialDataProblems(d);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].message, QStringLiteral("Не введен номер инспекции"));
    EXPECT_EQ(problems[1].message, QStringLiteral("Не указаны ФИО подписанта-представителя"));
    EXPECT_EQ(problems[2].message, QStringLiteral("Не указан документ, подтверждающий полномочия представителя"));
    EXPECT_EQ(problems[3].message, QStringLiteral("Не указано наименование Юр.лица-представителя"));
    EXPECT_EQ(codes(d), (std::vector<uint16_t>{1, 3, 4, 5}));

    d.ConfirmationKind = 1;
    EXPECT_EQ(codes(d), (std::vector<uint16_t>{1, 3, 4}));
    d.ConfirmationKind = 0;
    EXPECT_EQ(codes(d), (std::vector<uint16_t>{1}));
    d.InspectionCode = "7701";
    EXPECT_TRUE(codes(d).empty());
    d.ConfirmationKind = 2;
    d.RepresentativeName = "Иванов И. И.";
    d.RepresentativeDocument = "Доверенность";
    d.RepresentativeOrganisation = "ООО";
    EXPECT_TRUE(codes(d).empty());
}

TEST(InitialDataProblems, TypedInspectionCodeMustHaveFourDigits) {
    mTDeclaration d;
    d.InspectionCode = "77";
    const std::vector<TPageProblem> problems = InitialDataProblems(d);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].code, kInitialInspection);
    EXPECT_EQ(problems[0].message, QStringLiteral("Номер инспекции должен состоять из 4 цифр"));
}

TEST(IncomeKindsFromBoxes, BitsOfTheBoxesAndTheFifthListKept) {
    EXPECT_EQ(IncomeKindsFromBoxes(0, true, true, true, true), 1 + 2 + 4 + 16);
    EXPECT_EQ(IncomeKindsFromBoxes(1 + 2 + 4 + 16, false, false, false, false), 0);
    EXPECT_EQ(IncomeKindsFromBoxes(8 + 1, false, true, false, false), 8 + 2);
}

TEST(HasRussianIncomeData, RecordsOrAmountsOfTheKind) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRF);
    EXPECT_FALSE(HasRussianIncomeData(d));
    d.Sources9.Add();
    EXPECT_TRUE(HasRussianIncomeData(d));
    d.Sources9.Delete(0);
    d.MonthsWorked = 3;
    EXPECT_TRUE(HasRussianIncomeData(d));
}

} // namespace
} // namespace velmar
