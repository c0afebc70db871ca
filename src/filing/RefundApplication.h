#pragma once

#include "filing/BankDetails.h"
#include "filing/FiledDeclaration.h"
#include "storage/Date.h"

#include "model/TaxFacts.h"

#include <string>

namespace zizaza {

// The form of the application for a refund of overpaid tax (order of the tax service of
// 14.02.2017 No. ММВ-7-8/182@).
inline constexpr const char* kRefundApplicationKnd = "1150058";
// The tax period of a yearly declaration for 2017 as the application writes it.
inline const std::string kRefundTaxPeriod = "ГД.00." + std::to_string(kTaxYear);

struct RefundRequest {
    BankDetails bank;
    Date date;            // the applications' date
    std::string address;  // the person's address, printed when the declaration has no INN
};

// The applications for the refund lines of section 1, one each (budget code and OKTMO), numbered
// from 1, as one XML text (UTF-8) that the print module lays out as the pages of the form: an
// element "Документ" with КНД 1150058 for each application.
// Throws FilingError when the declaration has no line to refund or the bank details are wrong
// (the message of CheckBankDetails).
std::string RefundApplicationsXml(const FiledDeclaration& declaration, const RefundRequest& request);

}  // namespace zizaza
