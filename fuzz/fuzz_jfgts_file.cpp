// Fuzzes the reader of progressive-interest files (".jfgts", "temp_jfgts.back"): any bytes are
// read into the window or refused with a message, never a crash; what was read writes back
// and reads again to the same grids.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/fgts/progressive_interest.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    fgts::TForm_FGTS form(ctx);
    const std::string text =
        toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    const bool read = app::runCommand(ui, [&] { form.readLines(lines, "x.jfgts"); });
    ui.messages.clear();
    if (!read) return 0;
    fgts::TForm_FGTS again(ctx);
    std::string disk;
    for (const auto& l : form.fileLines()) disk += l + "\r\n";
    const bool reread =
        app::runCommand(ui, [&] { again.readLines(toolkit::splitLines(disk), "x.jfgts"); });
    ui.messages.clear();
    if (!reread || again.fileLines() != form.fileLines()) __builtin_trap();
    return 0;
}
