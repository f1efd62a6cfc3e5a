#pragma once
// One tab of a property sheet: the fields of a page model, each as its Qt
// control, in the page's order. Every edit goes to the model first; then
// every field is shown again, since the page may have changed others.

#include <QWidget>
#include <vector>

#include "platform/com/pages/property_page.h"
#include "qt/sheet/field_editor.h"

namespace brennix::qt {

class PageWidget : public QWidget {
    Q_OBJECT

  public:
    PageWidget(com::pages::PropertyPage& page, QWidget* parent = nullptr);

    com::pages::PropertyPage& page() const { return page_; }
    // The control of a field, by bound property or label; nullptr if none.
    QWidget* fieldWidget(const QString& name) const;
    const std::vector<FieldEditor*>& editors() const { return editors_; }

    // Shows every field as the model holds it now.
    void reload();

  signals:
    void edited();

  private:
    com::pages::PropertyPage& page_;
    std::vector<FieldEditor*> editors_;
};

}  // namespace brennix::qt
