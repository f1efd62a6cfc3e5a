#pragma once
// The control libraries a desktop host offers: which files they are, how
// Designer groups them, and which hold hardware controls (a design-time icon
// on a form, invisible at run time). Libraries are loaded by file from the
// host's library folder, so a host sees whatever has been built or
// installed beside it.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/com/class_registry.h"

namespace brennix::qt {

struct CatalogueLibrary {
    const char* name;  // the ControlLibrary's name, also the file's stem
    const char* group;
    bool hardware;
};

const std::vector<CatalogueLibrary>& catalogueLibraries();

// Folders searched for the library files: $BRENNIX_CONTROL_PATH (separated
// by ':'), then the folder this host library was loaded from.
QStringList libraryFolders();

// Loads and registers, in the process registry, every catalogue library
// found in the folders that is not registered yet. Returns the files that
// were found but could not be loaded, each with the reason.
QStringList loadCatalogueLibraries();

// A class registered in the process registry, with what a host shows of it.
struct CatalogueClass {
    com::ClassRegistry::Registration registration;
    QString group;
    QString name;  // "Chart": the type library's name of the class, else the type name
    bool hardware = false;
};

// Every class of the process registry, catalogue libraries first in their
// order.
std::vector<CatalogueClass> catalogueClasses();

// The entry of the class an identifier names; false when none.
bool findCatalogueClass(const QString& identifier, CatalogueClass& found);

}  // namespace brennix::qt
