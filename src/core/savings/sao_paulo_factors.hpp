// "Cálculos por Estado - Débitos Judiciais São Paulo" (TForm5): each purge difference brought
// up to date in one step by the cumulative factors of the São Paulo court table t0001.tab.
#pragma once

#include "core/savings/savings_wizard.hpp"

namespace corvana::savings {

// Plan, balance and difference pages of the savings family; then simple or compound interest
// on the whole debt and a five-column spreadsheet. Files in the "estados" layout.
class TForm5 : public SavingsWizard {
  public:
    explicit TForm5(app::SharedContext& ctx);

    static constexpr const char* kClassName = "TForm5";
    static constexpr const char* kCaption = "Cálculos por Estado - Débitos Judiciais São Paulo";
    static constexpr const char* kTable = "t0001.tab";

    // Also makes the savings and state-court windows hand "estados" files over to this one.
    void wire(app::App& app) override;
    // The savings window that "Abrir" hands "Vers" files to (wired by hand in tests).
    void setSavingsWindow(SavingsWizard* form2) { form2_ = form2; }

    void SpeedButton3Click() override;   // "Finalizar"
    void SpeedButton5Click() override;   // "Abrir": "estados" here, "Vers" in the savings window
    void abrirArquivo(const std::filesystem::path& file) override;
    void SpeedButton18Click() override;  // "Abrir Backup"
    void SpeedButton8Click() override;   // saves the backup as it stands

    // Opens an "estados" file into this window: factor table, inputs, header and footer.
    void abrirEstados(const std::filesystem::path& file);
    // Reopens tempsp.back.
    void abrirback2();
    // The five-column spreadsheet (page 4, after the interest table).
    void calcularsp();
    // The currency symbol and a space of the month of a date ("dd/mm/yyyy" or "mm/yyyy"),
    // empty when the month is not in the factor table.
    std::string devolvemoeda(const std::string& date) const;

    std::vector<std::string> reportLines() const override;
    std::string totalOwed() const override;

  protected:
    void pageReached(int page) override;
    void writeResultHeaders() override;
    // "Simples": juros; "Compostos": JuroCompostox on 100. Row 1 counts from a month after
    // its start date.
    std::string interestOfRow(int row) const override;
    std::string interestStartUsed(int row) const override;

  private:
    SavingsWizard* form2_ = nullptr;
    // The cumulative factor of a month (last matching row); throws when the month is missing.
    std::string factorOf(const std::string& month) const;
};

}  // namespace corvana::savings
