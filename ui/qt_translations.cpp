#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace tnx::ui {

QTranslator* InstallQtRussianTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), "qtbase", "_", folder)) {
        std::fprintf(stderr,
                     "tunnex: в %s нет перевода Qt на русский (qtbase_ru.qm); "
                     "стандартные меню Qt будут на английском\n",
                     qPrintable(folder));
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

}  // namespace tnx::ui
