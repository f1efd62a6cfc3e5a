#pragma once
// A control's property sheet as a Qt dialog: one tab per page the control
// lists, and OK, Cancel and Apply. Opening reads every page from the
// control; Apply writes the changed fields of every page through the page
// models, and so through dispatch, where the control's change handlers,
// repaints and messages run. A value outside a field's range refuses the
// whole apply: the page's range message is shown, over the sheet, and
// nothing of any page is written. OK is Apply, then closes unless refused.
// The platform's stock font page, which the host supplies, is Qt's font
// chooser in a tab of its own; its font is put through dispatch as well.

#include <QDialog>
#include <QFont>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/com/pages/property_page.h"

class QDialogButtonBox;
class QFontDialog;
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
    // The stock font page, when the control lists it.
    QFontDialog* fontPage() const { return fontPage_; }

    // False when a page refused (its message shown) or a write failed.
    bool apply();

  signals:
    // After an apply that wrote properties: their names, in writing order.
    void applied(const QStringList& properties);

  public slots:
    void accept() override;

  private:
    void build();
    void addFontPage();
    bool fontChanged() const;
    void reopen();
    void updateApplyButton();

    ControlWidget& control_;
    std::vector<std::unique_ptr<com::pages::PropertyPage>> pages_;
    std::vector<PageWidget*> widgets_;
    QTabWidget* tabs_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QFontDialog* fontPage_ = nullptr;
    QFont openedFont_;  // the control's
    QFont shownFont_;   // the chooser's, which stands in for a face it lacks
};

}  // namespace brennix::qt
