// "Débitos Judiciais ... (mês a mês)" (TForm_tjsp_d): one window for the state courts of São
// Paulo, MG - MT - MS - ES and Paraná, told apart by its caption and its index table.
#pragma once

#include "core/savings/court_wizard.hpp"

namespace corvana::savings {

class TForm_tjsp_d : public CourtWizard {
  public:
    // The court table of a caption: tjsp.tab, tjmg.tab, tjpr.tab or tjpre.tab; tjmg.tab for
    // the design caption and any other.
    static std::string tableForCaption(const std::string& caption);

    static constexpr const char* kClassName = "TForm_tjsp_d";
    static constexpr const char* kCaption = "MG - MT - MS - ES";  // the design caption

    // Shares its backup temp2.back with the savings window; the commands set its caption.
    explicit TForm_tjsp_d(app::SharedContext& ctx);

  protected:
    // "Novo" and opening a file reload the table of the court the window shows.
    std::string indiceTableFile() const override { return tableForCaption(caption()); }
    // The "Índices usados" line of the court named by the caption.
    void addNotesTitle(std::vector<std::string>& re) const override;
};

}  // namespace corvana::savings
