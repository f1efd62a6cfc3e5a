#include "qt/sheet/page_widget.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace brennix::qt {

PageWidget::PageWidget(com::pages::PropertyPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    outer->addLayout(form);
    outer->addStretch(1);
    for (std::size_t i = 0; i < page.fields().size(); ++i) {
        auto* editor = new FieldEditor(page, i, this);
        editors_.push_back(editor);
        if (editor->caption() != nullptr) {
            form->addRow(editor->caption(), editor->widget());
        } else {
            form->addRow(editor->widget());
        }
        connect(editor, &FieldEditor::edited, this, [this] {
            reload();
            emit edited();
        });
    }
}

QWidget* PageWidget::fieldWidget(const QString& name) const {
    const std::string wanted = name.toStdString();
    const com::pages::Field* f = page_.field(wanted);
    for (FieldEditor* editor : editors_) {
        if (&editor->field() == f)
            return editor->widget();
    }
    return nullptr;
}

void PageWidget::reload() {
    for (FieldEditor* editor : editors_)
        editor->load();
}

}  // namespace brennix::qt
