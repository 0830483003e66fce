// "Justiça Federal" (TForm_jf): the savings wizard on the federal courts' index table.
#pragma once

#include "core/savings/court_wizard.hpp"

namespace corvana::savings {

SavingsVariant jfVariant();

class TForm_jf : public CourtWizard {
public:
    static constexpr const char* kClassName = "TForm_jf";
    static constexpr const char* kCaption = "Justiça Federal";

    TForm_jf(app::SharedContext& ctx, TForm3& form3, TForm4& form4)
        : CourtWizard(ctx, form3, form4, jfVariant()) {}
    explicit TForm_jf(app::SharedContext& ctx) : CourtWizard(ctx, jfVariant()) {}

protected:
    void addNotesTitle(std::vector<std::string>& re) const override;
};

}  // namespace corvana::savings
