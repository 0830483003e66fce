// "Cálculo - Poupança Configurada" (TForm7): the purges of Jul/87, Fev/89, Mai/90 and Jun/90
// from the figures of the account's own statements.
#pragma once

#include "core/configured/configured_wizard.hpp"

namespace corvana::configured {

class TForm7 : public ConfiguredWizard {
public:
    explicit TForm7(app::SharedContext& ctx) : ConfiguredWizard(ctx, statementVariant()) {}
    static constexpr const char* kClassName = "TForm7";

    void SpeedButton17Click() { salvar(); }  // "Para Salvar o Cálculo Clique Aqui"
};

}  // namespace corvana::configured
