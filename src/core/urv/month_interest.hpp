// The month-by-month moratory interest walk over a difference grid (`aplicarjuros`), shared by
// the URV calculator and the FGTS revision calculator.
#pragma once

#include <string>

#include "core/toolkit/string_grid.hpp"

namespace corvana::urv {

// Where the walk reads and writes in the grid, and the inputs it needs.
struct MonthInterest {
    std::string citation;         // `dtacitacao`, "dd/mm/yyyy"
    std::string finalDate;        // `Datafinal`, "dd/mm/yyyy"
    std::string monthlyRate;      // `Eq`, percent a month ("1,00")
    bool halfBefore2002 = false;  // `C2002`: 0,5 a month up to 10/01/2002, 1 after
    int monthColumn = 0;          // month "mm/yyyy"
    int amountColumn = 5;         // corrected difference, summed and charged
    int rateColumn = 6;           // rate of the month, written "#,##0.00%"
    int interestColumn = 7;       // interest of the month, written "#,##0.00"
};

struct InterestTotals {
    std::string amounts;   // sum of the amount column over the rows kept, "#,##0.00"
    std::string interest;  // sum of the interest column over the rows kept, "#,##0.00"
};

// Walks the rows from the last to row 1. Rows without a month, or later than the final month,
// are skipped and keep their cells. The rate starts at `monthlyRate` (0 when the citation and
// the final date share a month) and grows by one step for each month later than the citation,
// so every month up to the citation carries the rate reached there. Each kept row gets its
// rate and interest (amount × rate ÷ 100); the sums are of the written texts read back.
// Throws ConversionError for a month or date that cannot be read.
InterestTotals aplicarjuros(toolkit::StringGrid& grid, const MonthInterest& in);

}  // namespace corvana::urv
