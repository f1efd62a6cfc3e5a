#include "qt/sheet/field_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "platform/gfx/color.h"
#include "qt/sheet/color_chooser.h"

namespace brennix::qt {
namespace {

using com::Variant;
using com::VarType;
using com::pages::Field;
using com::pages::FieldKind;

// The size a radio entry's picture is drawn at.
constexpr int kPictureWidth = 48;
constexpr int kPictureHeight = 32;

bool isNumber(const Variant& v) {
    const VarType t = v.type();
    return t == VarType::Int16 || t == VarType::Int32 || t == VarType::Double;
}

QString textOf(const Variant& v) {
    switch (v.type()) {
        case VarType::Int16:
        case VarType::Int32:
            return QString::number(v.toInt32().value());
        case VarType::Double:
            return QString::number(v.toDouble().value(), 'g', QLocale::FloatingPointShortest);
        case VarType::Bool:
            return v.toBool().value() ? QStringLiteral("True") : QStringLiteral("False");
        case VarType::String:
            return QString::fromStdString(v.toString().value());
        default:
            return {};
    }
}

// Typed text keeps the property's numeric type when it is such a number, so
// that an unchanged number is not written back; anything else stays text
// for the page to refuse or the control to convert.
Variant valueOfText(const QString& text, const Variant& like) {
    if (isNumber(like)) {
        const QString trimmed = text.trimmed();
        bool ok = false;
        if (like.type() != VarType::Double) {
            const qlonglong n = trimmed.toLongLong(&ok);
            if (ok && n >= std::numeric_limits<std::int32_t>::min() &&
                n <= std::numeric_limits<std::int32_t>::max())
                return Variant(static_cast<std::int32_t>(n));
        }
        const double d = trimmed.toDouble(&ok);
        if (ok && std::isfinite(d))
            return Variant(d);
    }
    return Variant(text.toStdString());
}

Variant indexLike(int index, const Variant& like) {
    if (like.type() == VarType::Int16)
        return Variant(static_cast<std::int16_t>(index));
    return Variant(static_cast<std::int32_t>(index));
}

int indexOf(const Variant& v) {
    auto n = v.toInt32();
    return n ? *n : -1;
}

QStringList entriesOf(const Field& f) {
    QStringList list;
    for (const std::string& e : f.entries)
        list.append(QString::fromStdString(e));
    return list;
}

QColor qtColorOf(std::uint32_t value) {
    const gfx::ColorRef drawn = gfx::translateColor(value).value_or(gfx::rgb(0, 0, 0));
    return {gfx::redOf(drawn), gfx::greenOf(drawn), gfx::blueOf(drawn)};
}

const QDateTime& dateZero() {
    static const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0));
    return zero;
}

// The pages' date-time text, "YYYY-MM-DD hh:mm:ss".
const QString& pageDateFormat() {
    static const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return format;
}

QDateTime dateTimeOf(const Variant& v) {
    if (v.type() == VarType::String) {
        const QString text = QString::fromStdString(*v.toString());
        const QDateTime when = QDateTime::fromString(text, pageDateFormat());
        return when.isValid() ? when : QDateTime::fromString(text, Qt::ISODate);
    }
    if (auto days = v.toDouble(); days && std::isfinite(*days))
        return dateZero().addMSecs(std::llround(*days * 86'400'000.0));
    return dateZero();
}

// A field that held a day number keeps one; any other holds the pages' text.
Variant valueOfDateTime(const QDateTime& when, const Variant& held) {
    if (held.type() == VarType::Double)
        return Variant(static_cast<double>(dateZero().msecsTo(when)) / 86'400'000.0);
    return Variant(when.toString(pageDateFormat()).toStdString());
}

QIcon iconOf(const gfx::Bitmap& bitmap) {
    const QImage image(reinterpret_cast<const uchar*>(bitmap.data()), bitmap.width(),
                       bitmap.height(), bitmap.width() * 4, QImage::Format_RGB32);
    return QIcon(QPixmap::fromImage(image.copy()));
}

void setEntries(QComboBox* box, const QStringList& entries) {
    QStringList now;
    for (int i = 0; i < box->count(); ++i)
        now.append(box->itemText(i));
    if (now != entries) {
        box->clear();
        box->addItems(entries);
    }
}

void setEntries(QListWidget* list, const QStringList& entries) {
    QStringList now;
    for (int i = 0; i < list->count(); ++i)
        now.append(list->item(i)->text());
    if (now != entries) {
        list->clear();
        list->addItems(entries);
    }
}

}  // namespace

FieldEditor::FieldEditor(com::pages::PropertyPage& page, std::size_t index, QWidget* parent)
    : QObject(parent), page_(page), index_(index) {
    build(parent);
    widget_->setObjectName(QString::fromStdString(nameInPage()));
    load();
}

std::string FieldEditor::nameInPage() const {
    const Field& f = field();
    return f.bound() ? f.property : f.label;
}

void FieldEditor::build(QWidget* parent) {
    const Field& f = field();
    const QString label = QString::fromStdString(f.label);
    const auto captioned = [&] { caption_ = new QLabel(label, parent); };
    switch (f.kind) {
        case FieldKind::TextEdit:
        case FieldKind::HiddenEdit: {
            captioned();
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this,
                    [this](const QString& text) { commit(valueOfText(text, field().original)); });
            widget_ = input_ = edit;
            break;
        }
        case FieldKind::DropDown: {
            captioned();
            auto* box = new QComboBox(parent);
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this](int i) { commit(indexLike(i, field().original)); });
            widget_ = input_ = box;
            break;
        }
        case FieldKind::ListBox: {
            captioned();
            auto* list = new QListWidget(parent);
            list->setMaximumHeight(list->fontMetrics().height() * 6);
            connect(list, &QListWidget::currentRowChanged, this,
                    [this](int i) { commit(indexLike(i, field().original)); });
            widget_ = input_ = list;
            break;
        }
        case FieldKind::CheckBox: {
            auto* box = new QCheckBox(label, parent);
            connect(box, &QCheckBox::toggled, this, [this](bool on) { commit(Variant(on)); });
            widget_ = input_ = box;
            break;
        }
        case FieldKind::RadioGroup: {
            auto* group = new QGroupBox(label, parent);
            auto* buttons = new QButtonGroup(group);
            new QVBoxLayout(group);
            connect(buttons, &QButtonGroup::idClicked, this,
                    [this](int i) { commit(indexLike(i, field().original)); });
            widget_ = input_ = group;
            break;
        }
        case FieldKind::ColorField: {
            captioned();
            widget_ = new QWidget(parent);
            auto* row = new QHBoxLayout(widget_);
            row->setContentsMargins(0, 0, 0, 0);
            auto* edit = new QLineEdit(widget_);
            auto* swatch = new QToolButton(widget_);
            swatch->setObjectName(QStringLiteral("swatch"));
            swatch->setIconSize(QSize(32, 14));
            row->addWidget(edit, 1);
            row->addWidget(swatch);
            connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
                commit(valueOfText(text, Variant(std::int32_t{0})));
            });
            connect(swatch, &QToolButton::clicked, this, &FieldEditor::chooseSwatchColor);
            input_ = edit;
            swatch_ = swatch;
            break;
        }
        case FieldKind::DateTime: {
            captioned();
            auto* edit = new QDateTimeEdit(parent);
            edit->setCalendarPopup(true);
            connect(edit, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& when) {
                commit(valueOfDateTime(when, field().value));
            });
            widget_ = input_ = edit;
            break;
        }
        case FieldKind::Button: {
            auto* button = new QPushButton(label, parent);
            connect(button, &QPushButton::clicked, this, [this] {
                if (loading_ > 0)
                    return;
                page_.press(field().label);
                emit edited();
            });
            widget_ = input_ = button;
            break;
        }
        case FieldKind::Tree: {
            captioned();
            auto* tree = new QTreeWidget(parent);
            tree->setHeaderHidden(true);
            connect(tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
                const bool child = item != nullptr && item->parent() != nullptr;
                commit(Variant(child ? item->text(0).toStdString() : std::string()));
            });
            widget_ = input_ = tree;
            break;
        }
    }
}

void FieldEditor::load() {
    ++loading_;
    const Field& f = field();
    const bool shown = !f.hidden && f.kind != FieldKind::HiddenEdit;
    // A locked field shows the value the page fixed; it is still applied.
    const bool editable = f.enabled && !f.locked;
    widget_->setVisible(shown);
    widget_->setEnabled(editable);
    if (caption_ != nullptr) {
        caption_->setVisible(shown);
        caption_->setEnabled(editable);
    }
    switch (f.kind) {
        case FieldKind::TextEdit:
        case FieldKind::HiddenEdit: {
            auto* edit = static_cast<QLineEdit*>(input_);
            // Retyping what the user typed would move the cursor.
            if (valueOfText(edit->text(), f.original) != f.value || edit->text().isEmpty())
                edit->setText(textOf(f.value));
            break;
        }
        case FieldKind::DropDown: {
            auto* box = static_cast<QComboBox*>(input_);
            setEntries(box, entriesOf(f));
            box->setCurrentIndex(indexOf(f.value));
            break;
        }
        case FieldKind::ListBox: {
            auto* list = static_cast<QListWidget*>(input_);
            setEntries(list, entriesOf(f));
            list->setCurrentRow(indexOf(f.value));
            break;
        }
        case FieldKind::CheckBox:
            static_cast<QCheckBox*>(input_)->setChecked(f.value.toBool().valueOr(false));
            break;
        case FieldKind::RadioGroup: {
            auto* group = static_cast<QGroupBox*>(input_);
            auto* buttons = group->findChild<QButtonGroup*>();
            const QStringList entries = entriesOf(f);
            if (buttons->buttons().size() != entries.size()) {
                for (QAbstractButton* b : buttons->buttons())
                    delete b;
                for (int i = 0; i < entries.size(); ++i) {
                    auto* radio = new QRadioButton(entries[i], group);
                    buttons->addButton(radio, i);
                    group->layout()->addWidget(radio);
                }
            }
            for (int i = 0; i < entries.size(); ++i) {
                QAbstractButton* radio = buttons->button(i);
                radio->setText(entries[i]);
                if (f.entryPicture) {
                    const gfx::Size size{kPictureWidth, kPictureHeight};
                    radio->setIconSize(QSize(size.cx, size.cy));
                    radio->setIcon(iconOf(
                        com::pages::renderEntryPicture(f, static_cast<std::size_t>(i), size)));
                }
            }
            if (QAbstractButton* chosen = buttons->button(indexOf(f.value))) {
                chosen->setChecked(true);
            } else if (QAbstractButton* held = buttons->checkedButton()) {
                buttons->setExclusive(false);
                held->setChecked(false);
                buttons->setExclusive(true);
            }
            break;
        }
        case FieldKind::ColorField: {
            auto* edit = static_cast<QLineEdit*>(input_);
            const auto color = f.value.toColor();
            if (valueOfText(edit->text(), Variant(std::int32_t{0})) != f.value)
                edit->setText(color ? QString::number(static_cast<std::int32_t>(*color))
                                    : textOf(f.value));
            showSwatch(color.valueOr(0));
            break;
        }
        case FieldKind::DateTime: {
            auto* edit = static_cast<QDateTimeEdit*>(input_);
            if (!f.displayFormat.empty()) {
                edit->setDisplayFormat(QString::fromStdString(f.displayFormat));
            } else if (!f.entries.empty()) {
                edit->setDisplayFormat(QString::fromStdString(f.entries.front()));
            }
            edit->setDateTime(dateTimeOf(f.value));
            break;
        }
        case FieldKind::Button:
            break;
        case FieldKind::Tree: {
            auto* tree = static_cast<QTreeWidget*>(input_);
            QTreeWidgetItem* root = tree->topLevelItemCount() > 0 ? tree->topLevelItem(0) : nullptr;
            QStringList now;
            for (int i = 0; root != nullptr && i < root->childCount(); ++i)
                now.append(root->child(i)->text(0));
            if (root == nullptr || now != entriesOf(f)) {
                tree->clear();
                root = new QTreeWidgetItem(tree, {QString::fromStdString(f.label)});
                for (const QString& e : entriesOf(f))
                    new QTreeWidgetItem(root, {e});
                root->setExpanded(true);
            }
            const QString chosen = textOf(f.value);
            QTreeWidgetItem* current = root;
            for (int i = 0; !chosen.isEmpty() && i < root->childCount(); ++i) {
                if (root->child(i)->text(0) == chosen)
                    current = root->child(i);
            }
            tree->setCurrentItem(current);
            break;
        }
    }
    --loading_;
}

void FieldEditor::commit(Variant value) {
    if (loading_ > 0)
        return;
    page_.setValue(nameInPage(), std::move(value));
    emit edited();
}

void FieldEditor::chooseSwatchColor() {
    const std::uint32_t now = field().value.toColor().valueOr(0);
    if (auto chosen = chooseColor(qtColorOf(now), widget_->window())) {
        const auto rgb = gfx::rgb(static_cast<std::uint8_t>(chosen->red()),
                                  static_cast<std::uint8_t>(chosen->green()),
                                  static_cast<std::uint8_t>(chosen->blue()));
        commit(Variant::fromColor(rgb));
    }
}

void FieldEditor::showSwatch(std::uint32_t color) {
    auto* swatch = static_cast<QToolButton*>(swatch_);
    QPixmap pixmap(swatch->iconSize());
    pixmap.fill(qtColorOf(color));
    QPainter frame(&pixmap);
    frame.setPen(Qt::black);
    frame.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    frame.end();
    swatch->setIcon(QIcon(pixmap));
}

}  // namespace brennix::qt
