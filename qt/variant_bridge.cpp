#include "qt/variant_bridge.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

#include "platform/com/font_object.h"
#include "platform/gfx/color.h"

namespace brennix::qt {
namespace {

QVariant arrayToList(const com::SafeArray& array) {
    QVariantList list;
    const std::int64_t low = array.lowerBound();
    for (std::int64_t i = low; i < low + static_cast<std::int64_t>(array.count()); ++i) {
        auto element = array.get(i);
        list.append(element ? toQVariant(*element) : QVariant());
    }
    return list;
}

QVariant colorToQt(std::uint32_t value) {
    // A system colour has no fixed value: Qt sees the colour it is drawn in.
    auto drawn = gfx::translateColor(value).value_or(gfx::rgb(0, 0, 0));
    return QColor(gfx::redOf(drawn), gfx::greenOf(drawn), gfx::blueOf(drawn));
}

com::Result<com::Variant> listToArray(const QVariantList& list) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(list.size()));
    for (const QVariant& v : list) {
        bool ok = false;
        double d = v.toDouble(&ok);
        if (!ok) {
            return com::Error::TypeMismatch;
        }
        values.push_back(d);
    }
    auto array = com::SafeArray::fromValues<double>(values);
    if (!array) {
        return array.error();
    }
    return com::Variant(std::move(*array));
}

com::Result<com::Variant> colorFromQt(const QVariant& value) {
    QColor color;
    if (value.metaType().id() == QMetaType::QColor) {
        color = value.value<QColor>();
    } else if (value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (!text.startsWith('#')) {
            bool ok = false;
            const qlonglong number = text.toLongLong(&ok, 0);
            if (!ok || number < INT32_MIN || number > UINT32_MAX) {
                return com::Error::TypeMismatch;
            }
            return com::Variant::fromColor(static_cast<std::uint32_t>(number));
        }
        color = QColor::fromString(text);
    } else {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok || number < INT32_MIN || number > UINT32_MAX) {
            return com::Error::TypeMismatch;
        }
        return com::Variant::fromColor(static_cast<std::uint32_t>(number));
    }
    if (!color.isValid()) {
        return com::Error::TypeMismatch;
    }
    return com::Variant::fromColor(gfx::rgb(static_cast<std::uint8_t>(color.red()),
                                            static_cast<std::uint8_t>(color.green()),
                                            static_cast<std::uint8_t>(color.blue())));
}

// Numbers keep their own range checks in the member's conversion, so a
// value is handed over in the widest type that holds it.
com::Result<com::Variant> plainFromQt(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::UnknownType:
            return com::Variant();
        case QMetaType::Bool:
            return com::Variant(value.toBool());
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Int:
            return com::Variant(static_cast<std::int32_t>(value.toInt()));
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULong:
        case QMetaType::ULongLong: {
            const qlonglong n = value.toLongLong();
            if (n >= INT32_MIN && n <= INT32_MAX) {
                return com::Variant(static_cast<std::int32_t>(n));
            }
            return com::Variant(value.toDouble());
        }
        case QMetaType::Float:
        case QMetaType::Double:
            return com::Variant(value.toDouble());
        case QMetaType::QString:
        case QMetaType::QByteArray:
            return com::Variant(value.toString().toStdString());
        case QMetaType::QVariantList:
            return listToArray(value.toList());
        case QMetaType::QColor:
            return colorFromQt(value);
        case QMetaType::QFont: {
            const QFont font = value.value<QFont>();
            return com::fontToVariant(
                {font.family().toStdString(), font.pointSizeF(), font.bold(), font.italic()});
        }
        default:
            break;
    }
    // A compiled form names an enumerated value by its C++ enumerator.
    if (value.metaType().flags() & QMetaType::IsEnumeration) {
        return com::Variant(static_cast<std::int32_t>(value.toInt()));
    }
    if (value.canConvert<QVariantList>()) {
        return listToArray(value.toList());
    }
    return com::Error::TypeMismatch;
}

}  // namespace

QVariant toQVariant(const com::Variant& value, com::PropType type) {
    if (type == com::PropType::Color) {
        if (auto c = value.toColor()) {
            return colorToQt(*c);
        }
    }
    if (type == com::PropType::Font) {
        if (auto f = com::fontFromVariant(value)) {
            QFont font(QString::fromStdString(f->face));
            font.setPointSizeF(f->points);
            font.setBold(f->bold);
            font.setItalic(f->italic);
            return font;
        }
    }
    switch (value.type()) {
        case com::VarType::Empty:
            return {};
        // Qt's forms and Designer hold no short: 16-bit values travel as int.
        case com::VarType::Int16:
            return static_cast<int>(value.toInt16().value());
        case com::VarType::Int32:
            return static_cast<int>(value.toInt32().value());
        case com::VarType::Double:
            return value.toDouble().value();
        case com::VarType::Bool:
            return value.toBool().value();
        case com::VarType::String:
            return QString::fromStdString(value.toString().value());
        case com::VarType::Array:
            return arrayToList(*value.array());
        case com::VarType::Dispatch:
            break;
    }
    return {};
}

com::Result<com::Variant> toComVariant(const QVariant& value, com::PropType type,
                                       const com::Enumeration* enumeration) {
    if (type == com::PropType::Color) {
        return colorFromQt(value);
    }
    if (enumeration != nullptr && value.metaType().id() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        for (const auto& v : enumeration->values) {
            if (text == QString::fromStdString(v.name)) {
                return com::Variant(v.value);
            }
        }
        bool ok = false;
        const int number = text.toInt(&ok);
        if (!ok) {
            return com::Error::TypeMismatch;
        }
        return com::Variant(static_cast<std::int32_t>(number));
    }
    return plainFromQt(value);
}

com::Result<com::Variant> toComVariant(const QVariant& value, const com::Member& member) {
    return toComVariant(value, member.type, member.enumeration.get());
}

int qtTypeOf(com::PropType type) {
    switch (type) {
        case com::PropType::Int16:
        case com::PropType::Int32:
            return QMetaType::Int;
        case com::PropType::Double:
            return QMetaType::Double;
        case com::PropType::Bool:
            return QMetaType::Bool;
        case com::PropType::String:
            return QMetaType::QString;
        case com::PropType::Color:
            return QMetaType::QColor;
        case com::PropType::Font:
            return QMetaType::QFont;
        case com::PropType::Variant:
            return QMetaType::QVariant;
        case com::PropType::Void:
            break;
    }
    return QMetaType::UnknownType;
}

}  // namespace brennix::qt
