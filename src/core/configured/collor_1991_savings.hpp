// "Poupança Configurada - com os planos Collor I e II (01/1991)" (TForm_conftodosII): the Collor
// window whose 1991 credit falls in Fev/91 at the rate of the account's anniversary day.
#pragma once

#include <string>

#include "core/configured/configured_wizard.hpp"

namespace corvana::configured {

// The Fev/91 rate of an anniversary day, in percent, as text: T ("5") or C (any other
// `cinco`). A day that is not one of "01" to "31" gets the day-01 rates.
std::string devolveindx(const std::string& dia, const std::string& cinco);

class TForm_conftodosII : public ConfiguredWizard {
public:
    explicit TForm_conftodosII(app::SharedContext& ctx)
        : ConfiguredWizard(ctx, collor1991Variant()) {}
    static constexpr const char* kClassName = "TForm_conftodosII";

    void SpeedButton6Click() { salvar(); }  // "Para Salvar o Cálculo Clique Aqui"
    // The fixed rates, then the Fev/91 rates of the day in Edia.
    void encheind() override;

protected:
    // The Fev/91 statement row takes the credited factor of the anniversary day.
    void statementFactor(int monthIndex, int row) override;
};

}  // namespace corvana::configured
