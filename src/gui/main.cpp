// corvana: the window program.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "core/app/app.hpp"
#include "gui/app/application.hpp"
#include "gui/app/gui_ui.hpp"
#include "gui/app/main_window.hpp"

using namespace corvana;

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    gui::setUpApplication(application);

    QCommandLineParser parser;
    parser.setApplicationDescription("Cálculos judiciais: poupança, débitos judiciais, FGTS e URV");
    parser.addHelpOption();
    QCommandLineOption dataDir("data-dir", "Pasta de dados (tabelas, relatórios, configurações).",
                               "pasta");
    parser.addOption(dataDir);
    parser.addPositionalArgument("arquivo", "Cálculo salvo a abrir na janela do seu cálculo.",
                                 "[arquivo]");
    parser.process(application);
    const QStringList files = parser.positionalArguments();

    std::optional<std::filesystem::path> option;
    if (parser.isSet(dataDir)) {
        const QByteArray utf8 = parser.value(dataDir).toUtf8();
        option = std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
    // An absolute data folder, so the updater started later finds the same folder.
    std::error_code ec;
    std::filesystem::path data = app::dataFolder(option);
    if (const auto abs = std::filesystem::absolute(data, ec); !ec) data = abs;
    app::AppOptions options{data, app::programFolder(argv[0])};

    gui::GuiUi ui;
    app::App corvana(ui, options);
    gui::ViewRegistry views;
    gui::registerViews(views);
    gui::MainWindow window(corvana, ui, views);
    // The main window opens maximised (the screen's working area also without a window manager).
    if (const QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // FormShow runs once the message loop shows the window.
    QTimer::singleShot(0, &window, [&window, &clock, files] {
        // A calculation given on the command line (a double click in the file manager)
        // opens once start-up is over, unless the first-run test ended the program.
        if (window.startUp() && !files.isEmpty()) {
            const QByteArray utf8 = files.front().toUtf8();
            window.openCalculation(std::filesystem::path(std::u8string(utf8.begin(), utf8.end())));
        }
        // CORVANA_TEMPO_INICIO=1 prints the start-up time (benchmarks).
        if (qEnvironmentVariableIsSet("CORVANA_TEMPO_INICIO"))
            std::fprintf(stderr, "inicio: %lld ms\n", static_cast<long long>(clock.elapsed()));
    });
    return application.exec();
}
