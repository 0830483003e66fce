// The month-by-month court-debt windows: the savings wizard on a court's index table, with the
// report head, table header row and files of the court calculators.
#pragma once

#include "core/savings/savings_wizard.hpp"

namespace corvana::savings {

// What the court windows share as members of the savings family: no index-basis options,
// currency from the index table only, no yield overrides, no divisor in the addition row,
// "Vers 1.2" files without the basis lines.
SavingsVariant courtVariant();

class CourtWizard : public SavingsWizard {
  public:
    using SavingsWizard::SavingsWizard;

  protected:
    // The head with its style block that repeats the table header on every printed page.
    void addReportHead(std::vector<std::string>& re) const override;
    bool writesSpanTableClose() const override { return false; }
    std::string tableOpening() const override;
    // The header row goes into <thead>; every row closes on its own line.
    void addTableRow(std::vector<std::string>& re, const toolkit::StringGrid& t, int r,
                     int last) const override;
};

}  // namespace corvana::savings
