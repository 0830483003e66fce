// Fuzzes the reader of FGTS revision files ("Vers 1.3" to "Vers 1.7"): any bytes are either
// read into the window or refused with a message, never a crash; a file that was read writes
// back and reads again to the same inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/fgts/fgts_revision.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/report_styles.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    urv::TFmanual manual(ctx);
    urv::TFcab cab;
    fgts::TFFGTSdif form(ctx, manual, cab);
    const std::string text =
        toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    bool read = false;
    app::runCommand(ui, [&] { read = form.readFile(lines, false); });
    ui.messages.clear();
    if (!read) return 0;
    const auto written = form.fileLines();
    urv::TFmanual manual2(ctx);
    fgts::TFFGTSdif again(ctx, manual2, cab);
    bool reread = false;
    app::runCommand(ui, [&] { reread = again.readFile(written, false); });
    ui.messages.clear();
    if (!reread || again.fileLines() != written) __builtin_trap();
    return 0;
}
