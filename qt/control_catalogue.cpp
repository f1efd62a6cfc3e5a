#include "qt/control_catalogue.h"

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <mutex>

#include "platform/com/control_library.h"
#include "platform/com/server_registration.h"

namespace brennix::qt {
namespace {

using LibraryEntry = com::ControlLibrary* (*)();

const CatalogueLibrary* catalogueEntry(const std::string& libraryName) {
    for (const auto& lib : catalogueLibraries()) {
        if (libraryName == lib.name) {
            return &lib;
        }
    }
    return nullptr;
}

QString displayName(const com::ClassRegistry::Registration& r) {
    // "TRENDWICKLib.Chart" -> "Chart"; a class without a type library is
    // known by its type name without the version ("Gauge Control 1.0").
    if (!r.typeLibraryAlias.empty()) {
        auto dot = r.typeLibraryAlias.rfind('.');
        return QString::fromStdString(r.typeLibraryAlias.substr(dot + 1));
    }
    QString name = QString::fromStdString(r.typeName);
    name.remove(QRegularExpression(QStringLiteral("\\s+Control\\s+[0-9.]+$")));
    return name;
}

}  // namespace

const std::vector<CatalogueLibrary>& catalogueLibraries() {
    static const std::vector<CatalogueLibrary> libraries{
        {"trendwick", "Brennix Charts", false},    {"panelmoor", "Brennix Instruments", false},
        {"plantwerk", "Brennix Equipment", false}, {"orsino", "Brennix Hardware", true},
        {"pellam", "Brennix Hardware", true},      {"quillet", "Brennix Hardware", true},
        {"rastow", "Brennix Hardware", true},      {"sarnet", "Brennix Hardware", true},
        {"tolvan", "Brennix Hardware", true},
    };
    return libraries;
}

QStringList libraryFolders() {
    QStringList folders;
    const QString path = qEnvironmentVariable("BRENNIX_CONTROL_PATH");
    for (const QString& folder : path.split(':', Qt::SkipEmptyParts)) {
        folders.append(folder);
    }
    static const int anchor = 0;
    if (auto own = com::libraryFileOf(&anchor)) {
        folders.append(QFileInfo(QString::fromStdString(*own)).absolutePath());
    }
    folders.removeDuplicates();
    return folders;
}

QStringList loadCatalogueLibraries() {
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    QStringList problems;
    auto& registry = com::ClassRegistry::process();
    for (const auto& lib : catalogueLibraries()) {
        const bool registered =
            std::any_of(registry.classes().begin(), registry.classes().end(),
                        [&](const auto& r) { return r.library->name() == lib.name; });
        if (registered) {
            continue;
        }
        for (const QString& folder : libraryFolders()) {
            const QString file = QDir(folder).filePath(QStringLiteral("lib%1.so").arg(lib.name));
            if (!QFileInfo::exists(file)) {
                continue;
            }
            // Kept open for the life of the process: its controls may live
            // as long.
            void* handle = ::dlopen(file.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) {
                problems.append(file + QStringLiteral(": ") + QString::fromLocal8Bit(::dlerror()));
                break;
            }
            auto entry = reinterpret_cast<LibraryEntry>(::dlsym(handle, "BrennixControlLibrary"));
            com::ControlLibrary* library = entry != nullptr ? entry() : nullptr;
            if (library == nullptr) {
                problems.append(file + QStringLiteral(": not a control library"));
                break;
            }
            if (auto status = library->registerServer(registry); !status) {
                problems.append(file + QStringLiteral(": ") +
                                QString::fromUtf8(com::errorText(status.error()).data()));
            }
            break;
        }
    }
    return problems;
}

std::vector<CatalogueClass> catalogueClasses() {
    std::vector<CatalogueClass> classes;
    for (const auto& r : com::ClassRegistry::process().classes()) {
        const CatalogueLibrary* lib = catalogueEntry(r.library->name());
        classes.push_back({r, lib != nullptr ? QString::fromUtf8(lib->group) : "Brennix Controls",
                           displayName(r), lib != nullptr && lib->hardware});
    }
    auto rank = [](const CatalogueClass& c) {
        const auto& libs = catalogueLibraries();
        for (std::size_t i = 0; i < libs.size(); ++i) {
            if (c.registration.library->name() == libs[i].name) {
                return i;
            }
        }
        return libs.size();
    };
    std::stable_sort(classes.begin(), classes.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return classes;
}

bool findCatalogueClass(const QString& identifier, CatalogueClass& found) {
    auto r = com::ClassRegistry::process().find(identifier.toStdString());
    if (!r) {
        return false;
    }
    for (auto& c : catalogueClasses()) {
        if (c.registration.classId == r->classId) {
            found = c;
            return true;
        }
    }
    return false;
}

}  // namespace brennix::qt
