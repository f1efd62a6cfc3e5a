#pragma once
// A control's property sheet as a Qt dialog: one tab per page the control
// lists, and OK, Cancel and Apply. Opening reads every page from the
// control; Apply writes the changed fields of every page through the page
// models, and so through dispatch, where the control's change handlers,
// repaints and messages run. A value outside a field's range refuses the
// whole apply: the page's range message is shown, over the sheet, and
// nothing of any page is written. OK is Apply, then closes unless refused.

#include <QDialog>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/com/pages/property_page.h"

class QDialogButtonBox;
class QTabWidget;

namespace brennix::qt {

class ControlWidget;
class PageWidget;

class PropertySheet : public QDialog {
    Q_OBJECT

  public:
    // The pages the hosted control lists (pagesFor).
    explicit PropertySheet(ControlWidget& control, QWidget* parent = nullptr);
    PropertySheet(ControlWidget& control,
                  std::vector<std::unique_ptr<com::pages::PropertyPage>> pages,
                  QWidget* parent = nullptr);
    ~PropertySheet() override;

    int pageCount() const { return static_cast<int>(pages_.size()); }
    com::pages::PropertyPage& page(int index) const { return *pages_[std::size_t(index)]; }
    PageWidget* pageWidget(int index) const { return widgets_[std::size_t(index)]; }
    QTabWidget* tabs() const { return tabs_; }
    QDialogButtonBox* buttons() const { return buttons_; }

    // False when a page refused (its message shown) or a write failed.
    bool apply();

  signals:
    // After an apply that wrote properties: their names, in writing order.
    void applied(const QStringList& properties);

  public slots:
    void accept() override;

  private:
    void build();
    void reopen();
    void updateApplyButton();

    ControlWidget& control_;
    std::vector<std::unique_ptr<com::pages::PropertyPage>> pages_;
    std::vector<PageWidget*> widgets_;
    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace brennix::qt
