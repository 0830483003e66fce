// Fuzzes the reader of URV calculation files ("Vers 1.2" backups and ".urv" copies): any bytes
// are either read into the window or refused with a message, never a crash; a file that was read
// writes back and reads again to the same inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_wizard.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    urv::TFmanual manual(ctx);
    urv::TFurv form(ctx);
    form.setWindows(&manual, nullptr, nullptr);
    const std::string text =
        toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    const bool read = app::runCommand(ui, [&] { form.readLines(lines); });
    ui.messages.clear();
    if (!read) return 0;
    const auto written = form.fileLines();
    urv::TFmanual manual2(ctx);
    urv::TFurv again(ctx);
    again.setWindows(&manual2, nullptr, nullptr);
    const bool reread = app::runCommand(ui, [&] { again.readLines(written); });
    ui.messages.clear();
    if (!reread || again.fileLines() != written) __builtin_trap();
    return 0;
}
