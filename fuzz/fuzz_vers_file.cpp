// Fuzzes the reader of savings calculation files ("Vers 1.21"/"Vers 1.2"): any bytes are
// either read into the window or refused with a message, never a crash; a file that was
// read writes back and reads again to the same inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/context.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/savings/daily_savings.hpp"
#include "core/toolkit/text_file.hpp"

using namespace corvana;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static app::ScriptedUi ui;
    static app::SharedContext ctx(ui);
    static savings::TForm3 form3(ctx);
    static savings::TForm4 form4(ctx);
    static bool plans = [] {
        form3.SPlanosini.setRowCount(5);
        form3.SPlanosini.setRow(1, {"Plano Bresser", "06/1987", "8,04"});
        form3.SPlanosini.setRow(2, {"Plano Verão", "01/1989", "20,37", "1000"});
        form3.SPlanosini.setRow(3, {"Plano Collor I", "04/1990", "44,80"});
        form3.SPlanosini.setRow(4, {"Plano Collor II", "02/1991", "14,87"});
        return true;
    }();
    (void)plans;
    savings::TForm2 form2(ctx, form3, form4);
    savings::fillPlanList(form2.CPlanos, form3.SPlanosini);
    const std::string text = toolkit::decodeText(std::string(reinterpret_cast<const char*>(data), size));
    const auto lines = toolkit::splitLines(text);
    bool read = false;
    app::runCommand(ui, [&] { read = form2.readLayout(lines, false, true); });
    ui.messages.clear();
    if (!read) return 0;
    // What was read writes back and reads again to the same grids.
    auto written = form2.fileLines();
    written.erase(written.begin());
    savings::TForm2 again(ctx, form3, form4);
    savings::fillPlanList(again.CPlanos, form3.SPlanosini);
    bool reread = false;
    app::runCommand(ui, [&] { reread = again.readLayout(written, false, true); });
    ui.messages.clear();
    if (!reread) __builtin_trap();
    return 0;
}
