#pragma once
// The Qt dialog a page's tree chooser is shown in: the chooser's title, a
// tree of its root and children, OK and Cancel. OK asks the chooser, which
// may keep the dialog open.

#include <QDialog>

#include "platform/com/pages/tree_chooser.h"

class QTreeWidget;

namespace brennix::qt {

class ChooserDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ChooserDialog(com::pages::TreeChooser& chooser, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }

  public slots:
    void accept() override;
    void reject() override;

  private:
    com::pages::TreeChooser& chooser_;
    QTreeWidget* tree_ = nullptr;
};

// Shows choosers in a ChooserDialog over the active window; installed once,
// by the first property sheet, and left alone when a runner is installed.
void installChooserDialog();

}  // namespace brennix::qt
