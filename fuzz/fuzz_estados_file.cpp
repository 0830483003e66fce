// Fuzzes the reader of São Paulo factor-table calculations ("estados" files): any bytes are
// either read into the window or refused with a message, never a crash; a file that was read
// writes back and reads again to the same inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/sao_paulo_factors.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;

namespace {
savings::CheckList planList() {
    savings::CheckList list;
    for (const char* plan : {"Plano Bresser", "Plano Verão", "Plano Collor I", "Plano Collor II"})
        list.add(plan);
    return list;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    savings::TForm5 form5(ctx);
    form5.CPlanos = planList();
    const std::string text = toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    bool read = false;
    app::runCommand(ui, [&] { read = form5.readLayout(lines, false, false); });
    ui.messages.clear();
    if (!read) return 0;
    auto written = form5.fileLines();
    written.erase(written.begin());
    savings::TForm5 again(ctx);
    again.CPlanos = planList();
    bool reread = false;
    app::runCommand(ui, [&] { reread = again.readLayout(written, false, false); });
    ui.messages.clear();
    if (!reread || again.Rcomposto != form5.Rcomposto || again.SSaldo != form5.SSaldo ||
        again.STJuros != form5.STJuros || again.Jmes != form5.Jmes)
        __builtin_trap();
    return 0;
}
