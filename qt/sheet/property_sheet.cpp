#include "qt/sheet/property_sheet.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/com/message_box.h"
#include "qt/control_widget.h"
#include "qt/message_boxes.h"
#include "qt/sheet/chooser_dialog.h"
#include "qt/sheet/page_widget.h"
#include "qt/sheet/sheet_pages.h"

namespace brennix::qt {

PropertySheet::PropertySheet(ControlWidget& control, QWidget* parent)
    : PropertySheet(control,
                    control.control() != nullptr
                        ? pagesFor(*control.control(), control.controlId())
                        : std::vector<std::unique_ptr<com::pages::PropertyPage>>{},
                    parent) {
    addFontPage();
}

PropertySheet::PropertySheet(ControlWidget& control,
                             std::vector<std::unique_ptr<com::pages::PropertyPage>> pages,
                             QWidget* parent)
    : QDialog(parent), control_(control), pages_(std::move(pages)) {
    build();
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::addFontPage() {
    com::Control* control = control_.control();
    if (control == nullptr)
        return;
    const auto listed = listedPages(*control, control_.controlId());
    const QVariant font = control_.controlProperty(QStringLiteral("Font"));
    if (std::find(listed.begin(), listed.end(), com::pages::kStockFontPageId) == listed.end() ||
        font.metaType() != QMetaType::fromType<QFont>())
        return;
    openedFont_ = font.value<QFont>();
    fontPage_ = new QFontDialog(openedFont_, tabs_);
    fontPage_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fontPage_->setWindowFlags(Qt::Widget);
    shownFont_ = fontPage_->currentFont();
    tabs_->addTab(fontPage_, tr("Font"));
    connect(fontPage_, &QFontDialog::currentFontChanged, this, &PropertySheet::updateApplyButton);
    updateApplyButton();
}

// What the controls keep of a font.
bool PropertySheet::fontChanged() const {
    if (fontPage_ == nullptr)
        return false;
    const QFont now = fontPage_->currentFont();
    return now.family() != shownFont_.family() || now.pointSizeF() != shownFont_.pointSizeF() ||
           now.bold() != shownFont_.bold() || now.italic() != shownFont_.italic();
}

void PropertySheet::build() {
    setObjectName(QStringLiteral("brennixPropertySheet"));
    installChooserDialog();
    QString name = control_.objectName();
    if (name.isEmpty() && control_.control() != nullptr)
        name = QString::fromStdString(control_.control()->members().className());
    setWindowTitle(tr("%1 Properties").arg(name));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    if (com::Control* control = control_.control()) {
        for (auto& page : pages_)
            page->open(*control);
    }
    for (auto& page : pages_) {
        auto* scroll = new QScrollArea(tabs_);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* widget = new PageWidget(*page, scroll);
        scroll->setWidget(widget);
        widgets_.push_back(widget);
        tabs_->addTab(scroll, QString::fromStdString(page->title()));
        connect(widget, &PageWidget::edited, this, &PropertySheet::updateApplyButton);
    }
    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertySheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertySheet::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &PropertySheet::apply);
    updateApplyButton();
    resize(sizeHint().expandedTo(QSize(420, 360)));
}

bool PropertySheet::apply() {
    com::Control* control = control_.control();
    if (control == nullptr)
        return false;
    // A page applied to no control checks its ranges and writes nothing:
    // every page is checked before any is written.
    for (int i = 0; i < pageCount(); ++i) {
        const com::pages::ApplyOutcome check = page(i).apply(std::span<com::Dispatch* const>{});
        if (check.refused) {
            tabs_->setCurrentIndex(i);
            MessageOwnerScope owner(this);
            com::showMessage(check.message);
            return false;
        }
    }
    QStringList written;
    bool ok = true;
    for (auto& page : pages_) {
        QStringList changed;
        for (const com::pages::Field& f : page->fields()) {
            if (f.enabled && f.changed())
                changed.append(QString::fromStdString(f.property));
        }
        const com::pages::ApplyOutcome outcome = page->apply(*control);
        ok = ok && outcome.ok();
        for (const QString& name : changed) {
            if (!written.contains(name, Qt::CaseInsensitive))
                written.append(name);
        }
    }
    if (fontChanged()) {
        // A face the user did not choose stays the control's own.
        QFont put = fontPage_->currentFont();
        if (put.family() == shownFont_.family())
            put.setFamily(openedFont_.family());
        ok = control_.setControlProperty(QStringLiteral("Font"), put) && ok;
        written.append(QStringLiteral("Font"));
        openedFont_ = control_.controlProperty(QStringLiteral("Font")).value<QFont>();
        fontPage_->setCurrentFont(openedFont_);
        shownFont_ = fontPage_->currentFont();
    }
    // Pages share properties (a colour on a general page and on the colour
    // page), and change handlers may have put back other values.
    reopen();
    if (!written.isEmpty())
        emit applied(written);
    return ok;
}

void PropertySheet::accept() {
    if (apply())
        QDialog::accept();
}

void PropertySheet::reopen() {
    if (com::Control* control = control_.control()) {
        for (auto& page : pages_)
            page->open(*control);
    }
    for (PageWidget* widget : widgets_)
        widget->reload();
    updateApplyButton();
}

void PropertySheet::updateApplyButton() {
    bool dirty = fontChanged();
    for (auto& page : pages_)
        dirty = dirty || page->dirty();
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(dirty);
}

}  // namespace brennix::qt
