// "Expurgos da Poupança" (TForm2): the daily-savings purge calculator.
#pragma once

#include "core/savings/savings_wizard.hpp"

namespace corvana::savings {

// The family member that reads poupanca13.tab, writes "Vers 1.21" files and offers both
// report forms (savings basis, or ORTN/BTN/TR basis with the interest statement).
SavingsVariant expurgosVariant();

class TForm2 : public SavingsWizard {
public:
    static constexpr const char* kClassName = "TForm2";
    static constexpr const char* kCaption = "Expurgos da Poupança";

    TForm2(app::SharedContext& ctx, TForm3& form3, TForm4& form4)
        : SavingsWizard(ctx, form3, form4, expurgosVariant()) {}
    // In the program: the plan table and the overrides are found by wire().
    explicit TForm2(app::SharedContext& ctx) : SavingsWizard(ctx, expurgosVariant()) {}
};

}  // namespace corvana::savings
