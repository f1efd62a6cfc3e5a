#include "qt/form_class_writer.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <memory>

#include "qt/control_catalogue.h"

namespace brennix::qt {
namespace {

bool isIdentifier(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch();
}

void writeClass(QTextStream& out, const CatalogueClass& c, const com::MemberTable& members) {
    const auto& r = c.registration;
    const QString id =
        QString::fromStdString(r.typeLibraryAlias.empty() ? r.progId : r.typeLibraryAlias);
    out << "\nclass " << c.name << " : public brennix::qt::TypedControlWidget {\n  public:\n";
    // The enumerations as the control's meta-object lists them; a value
    // name that is no identifier, or is taken, is left out.
    QSet<QString> enums;
    QSet<QString> keys;
    for (const com::Member* m : members.published()) {
        if (m->kind != com::MemberKind::Property || m->enumeration == nullptr) {
            continue;
        }
        const QString name = QString::fromStdString(
            m->enumeration->name.empty() ? m->name + "Values" : m->enumeration->name);
        if (!isIdentifier(name) || enums.contains(name)) {
            continue;
        }
        enums.insert(name);
        out << "    enum " << name << " {";
        const char* separator = "";
        for (const com::EnumValue& v : m->enumeration->values) {
            const QString key = QString::fromStdString(v.name);
            if (!isIdentifier(key) || keys.contains(key)) {
                continue;
            }
            keys.insert(key);
            out << separator << ' ' << key << " = " << v.value;
            separator = ",";
        }
        out << " };\n";
    }
    out << "    explicit " << c.name << "(QWidget* parent = nullptr)\n"
        << "        : brennix::qt::TypedControlWidget(QStringLiteral(\"" << id
        << "\"), parent) {}\n};\n";
}

}  // namespace

QString formClassesHeader() {
    QString text;
    QTextStream out(&text);
    out << "#pragma once\n"
        << "// Written by brennix-form-classes from the control libraries: the classes\n"
        << "// compiled forms name. Do not edit.\n\n"
        << "#include \"qt/typed_control_widget.h\"\n";
    QSet<QString> written;
    for (const CatalogueClass& c : catalogueClasses()) {
        if (!isIdentifier(c.name) || written.contains(c.name)) {
            continue;
        }
        auto created = com::ClassRegistry::process().create(c.registration.progId);
        if (!created || *created == nullptr) {
            continue;
        }
        written.insert(c.name);
        writeClass(out, c, (*created)->members());
    }
    out.flush();
    return text;
}

}  // namespace brennix::qt
