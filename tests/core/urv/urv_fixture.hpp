// The whole program on a temporary data folder with a small URV table, month list and index
// table, and the URV window with its daily entries window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/app.hpp"
#include "core/app/scripted_ui.hpp"
#include "core/toolkit/text_file.hpp"
#include "core/urv/urv_wizard.hpp"
#include "test_support.hpp"

namespace corvana::urv::testing {

class UrvFixture : public ::testing::Test {
  protected:
    corvana::testing::TempDir dir;
    app::ScriptedUi ui;
    std::unique_ptr<app::App> program;
    TFurv* f = nullptr;

    void put(const std::string& name, const std::vector<std::string>& lines) {
        toolkit::writeLines(dir / name, lines);
    }
    // A month list from `first` ("mm/yyyy") for `count` months.
    static std::vector<std::string> monthList(int month, int year, int count) {
        std::vector<std::string> l = {"Data\tRemuneração"};
        for (int i = 0; i < count; ++i) {
            l.push_back((month < 10 ? "0" : "") + std::to_string(month) + "/" +
                        std::to_string(year) + "\t");
            if (++month == 13) month = 1, ++year;
        }
        return l;
    }
    void SetUp() override {
        put("urvtab.tab", {"Data\tURV", "10/11/1993\t100,00", "10/12/1993\t200,00",
                           "10/01/1994\t400,00", "10/02/1994\t500,00", "30/11/1993\t125,00",
                           "31/12/1993\t250,00", "31/01/1994\t500,00", "28/02/1994\t625,00"});
        put("urv.tab", monthList(3, 1994, 10));  // 03/1994 .. 12/1994
        put("Justiça Federal - Ações Condenatórias em Geral.tab",
            {"Mês\tÍndice", "03/1994\t1,00", "04/1994\t1,00", "05/1994\t1,00", "06/1994\t1,00",
             "07/1994\t0,50", "08/1994\t0,60", "09/1994\t1,00", "10/1994\t1,00", "11/1994\t1,00",
             "12/1994\t1,00"});
        app::AppOptions o;
        o.dataDir = dir.path();
        o.version = "1.0.0.0";
        program = std::make_unique<app::App>(ui, o);
        program->start();
        f = program->modelAs<TFurv>("TFurv");
        ASSERT_NE(f, nullptr);
    }
    bool run(const std::function<void()>& h) {
        const size_t n = ui.messages.size();
        return app::runCommand(ui, h) && ui.messages.size() == n;
    }
    std::string lastMessage() const { return ui.messages.empty() ? "" : ui.messages.back(); }
    // The toolbar "Calcular" and page 0 filled for art. 19 with salaries of 100.000,00.
    void openAndFill() {
        ASSERT_TRUE(program->run("SpeedButton1"));
        f->R19 = true;
        f->Enov93 = "10/11/1993";
        f->Edez93 = "10/12/1993";
        f->Ejan94 = "10/01/1994";
        f->Efev94 = "10/02/1994";
        f->Enov = f->Edez = f->Ejan = f->Efev = "100.000,00";
        f->Esalpago = "500,00";
    }
    void next(int times = 1) {
        for (int i = 0; i < times; ++i)
            ASSERT_TRUE(run([&] { f->SpeedButton2Click(); })) << lastMessage();
    }
};

}  // namespace corvana::urv::testing
