// Fuzzes the reader of FGTS purge files (".fg", "fgts.back"): any bytes are read into the
// window or refused with a message, never a crash; what was read writes back and reads again
// to the same inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/fgts/fgts_purges.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    fgts::TFormFGTS form(ctx);
    const std::string text =
        toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    const bool read = app::runCommand(ui, [&] { form.readLines(lines); });
    ui.messages.clear();
    if (!read) return 0;
    fgts::TFormFGTS again(ctx);
    // Lines written as CR LF text and split again, as the file on disk would be.
    std::string disk;
    for (const auto& l : form.fileLines()) disk += l + "\r\n";
    const bool reread = app::runCommand(ui, [&] { again.readLines(toolkit::splitLines(disk)); });
    ui.messages.clear();
    if (!reread || again.fileLines() != form.fileLines()) __builtin_trap();
    return 0;
}
