// "Justiça Federal" (TForm_jf): the savings wizard on the federal courts' index table.
#pragma once

#include "core/savings/court_wizard.hpp"

namespace corvana::savings {

class TForm_jf : public CourtWizard {
  public:
    static constexpr const char* kClassName = "TForm_jf";
    static constexpr const char* kCaption = "Justiça Federal";

    // Reads jf.tab, keeps its calculation in tempjf.back (".ejf") and reports to jf.html.
    explicit TForm_jf(app::SharedContext& ctx);

  protected:
    void addNotesTitle(std::vector<std::string>& re) const override;
};

}  // namespace corvana::savings
