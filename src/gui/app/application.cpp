// Portuguese for Qt's own dialogs and the program's title.
#include "gui/app/application.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "gui/app/about_box.hpp"

namespace corvana::gui {

void setUpApplication(QApplication& application) {
    QApplication::setApplicationName("Corvana Diferenças do FGTS");
    QApplication::setOrganizationName("Corvana");
    QApplication::setWindowIcon(programIcon());
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_pt_BR", "qt_pt_BR"}) {
        auto* t = new QTranslator(&application);
        if (t->load(name, dir)) {
            QApplication::installTranslator(t);
        } else {
            delete t;
        }
    }
}

}  // namespace corvana::gui
