#include "qt/sheet/chooser_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brennix::qt {

ChooserDialog::ChooserDialog(com::pages::TreeChooser& chooser, QWidget* parent)
    : QDialog(parent), chooser_(chooser) {
    setObjectName(QStringLiteral("brennixChooser"));
    setWindowTitle(QString::fromStdString(chooser.title()));
    auto* layout = new QVBoxLayout(this);
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree_, {QString::fromStdString(chooser.rootText())});
    for (const std::string& child : chooser.children())
        new QTreeWidgetItem(root, {QString::fromStdString(child)});
    root->setExpanded(true);
    tree_->setCurrentItem(root);
    layout->addWidget(tree_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChooserDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChooserDialog::reject);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->parent() != nullptr)
            accept();
    });
}

void ChooserDialog::accept() {
    std::optional<std::size_t> child;
    if (QTreeWidgetItem* item = tree_->currentItem(); item != nullptr && item->parent())
        child = static_cast<std::size_t>(item->parent()->indexOfChild(item));
    if (chooser_.accept(child))
        QDialog::accept();
}

void ChooserDialog::reject() {
    chooser_.cancel();
    QDialog::reject();
}

void installChooserDialog() {
    static const bool installed = [] {
        auto previous = com::pages::installChooserRunner([](com::pages::TreeChooser& chooser) {
            ChooserDialog dialog(chooser, QApplication::activeWindow());
            dialog.exec();
        });
        if (previous)
            com::pages::installChooserRunner(std::move(previous));
        return true;
    }();
    (void)installed;
}

}  // namespace brennix::qt
