#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace ui {

void speakBulgarian() {
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    QLocale::setDefault(bulgarian);
    // The application object owns the translator, so it lives as long as the toolkit's texts.
    auto* translator = new QTranslator(QCoreApplication::instance());
    // On Windows the program carries the translation itself; elsewhere the system's is used.
    const QString inside = QStringLiteral(":/translations");
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& place : {inside, folder}) {
        if (translator->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"), place)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
    std::fprintf(stderr,
                 "keb: the toolkit's Bulgarian translation (qtbase_bg.qm) is not in %s; its own "
                 "texts stay in English.\n",
                 qPrintable(folder));
}

} // namespace ui
