#pragma once
// Writers of the parts of the file, in the order they appear. Each appends to
// the element it is given; none of them reads anything but its arguments.
#include "model/DateTime.h"
#include "model/DeclClasses.h"
#include "platform/XmlDom.h"

namespace velmar {

class kTSvodSum;

// Title, taxpayer and signer (Документ's attributes, СвНП, Подписант).
void WriteAnnualTitle(XmlElement document, const mTDeclaration& declaration, const CivilDate& exportDate);
// The estimated-income return: Документ, СвНП, Подписант, НДФЛ4 under Файл.
void WriteEstimatedIncomeFile(XmlElement root, const mTDeclaration& declaration, const CivilDate& exportDate);

// Under НДФЛ3: tax to pay or refund, tax bases, the income sheets.
void WriteTaxToPay(XmlElement ndfl3, const kTSvodSum& svod);
void WriteTaxBases(XmlElement ndfl3, const kTSvodSum& svod);
void WriteRussianSources(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);
void WriteForeignIncome(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);
void WriteBusinessIncome(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);

// Under НДФЛ3: exempt income and the deductions.
void WriteExemptIncome(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);
void WritePropertyPurchase(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);
void WritePropertySale(XmlElement ndfl3, const kTSvodSum& svod);
void WriteStandardAndSocial(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);
void WritePensionAndInvestment(XmlElement ndfl3, const kTSvodSum& svod);
void WriteProfessionalDeductions(XmlElement ndfl3, const kTSvodSum& svod);

// Under НДФЛ3: securities and investment partnerships.
void WriteSecurities(XmlElement ndfl3, const mTDeclaration& declaration, const kTSvodSum& svod);
void WritePartnerships(XmlElement ndfl3, const kTSvodSum& svod);

// True when the sum of the amounts is above zero; summed without overflow.
bool PositiveSum(std::initializer_list<Currency> amounts);

} // namespace velmar
