// Fuzzes the reader of configured-savings calculation files ("Vers federal"): any bytes are
// either read into the window or refused with a message, never a crash; a file that was read
// writes back and reads again to the same inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/configured/collor_savings.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    const std::string text = toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    configured::TForm_conftodos form(ctx);
    const bool read = app::runCommand(ui, [&] { form.readLines(lines); });
    ui.messages.clear();
    if (!read) return 0;
    const auto written = form.fileLines();
    configured::TForm_conftodos again(ctx);
    const bool reread = app::runCommand(ui, [&] { again.readLines(written); });
    ui.messages.clear();
    if (!reread || again.fileLines() != written) __builtin_trap();
    return 0;
}
