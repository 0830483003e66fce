// "Poupança Configurada - com os planos Collor I e II" (TForm_conftodos): the statement window
// with the Collor I credit of Abr/90 and the Collor II credit of Mar/91 at 7,535 %.
#pragma once

#include "core/configured/configured_wizard.hpp"

namespace corvana::configured {

class TForm_conftodos : public ConfiguredWizard {
public:
    explicit TForm_conftodos(app::SharedContext& ctx) : ConfiguredWizard(ctx, collorVariant()) {}
    static constexpr const char* kClassName = "TForm_conftodos";

    void SpeedButton6Click() { salvar(); }  // "Para Salvar o Cálculo Clique Aqui"
};

}  // namespace corvana::configured
