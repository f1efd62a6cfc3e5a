// brennix-form-classes FILE: writes the header of the classes compiled
// forms name (qt/form_classes.h), from the control libraries found beside
// the host or on BRENNIX_CONTROL_PATH.
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "qt/control_catalogue.h"
#include "qt/form_class_writer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brennix-form-classes FILE\n");
        return 2;
    }
    for (const QString& problem : brennix::qt::loadCatalogueLibraries()) {
        std::fprintf(stderr, "brennix-form-classes: %s\n", qPrintable(problem));
    }
    const QByteArray text = brennix::qt::formClassesHeader().toUtf8();
    const QString path = QString::fromLocal8Bit(argv[1]);
    // Left alone when unchanged, so that nothing that includes it rebuilds.
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == text) {
        return 0;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        std::fprintf(stderr, "brennix-form-classes: %s: %s\n", argv[1],
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
