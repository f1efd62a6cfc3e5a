#pragma once
// The Qt control of one field of a page. It shows what the field holds, its
// entries and whether it is enabled or hidden, and hands the user's edits to
// the page, which may react (refill a list, show a sample); the page widget
// then shows every field again.
//
// Values: a text edit keeps the type the property had when it holds a number
// of it; lists and radio groups hold the chosen index; a colour field the
// 32-bit colour, typed as a decimal number or chosen through the swatch; a
// date-time field text "YYYY-MM-DD hh:mm:ss", shown in the field's display
// format, or days since 30 December 1899 (the platform's date value) when
// it held such a number; a tree its chosen item's text (the root, the
// field's label, is the empty text). A button has no value: pressing it is
// the page's to handle. Radio entries with pictures show them as icons; a
// locked field is shown disabled.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstddef>

#include "platform/com/pages/property_page.h"

class QLabel;

namespace brennix::qt {

class FieldEditor : public QObject {
    Q_OBJECT

  public:
    FieldEditor(com::pages::PropertyPage& page, std::size_t index, QWidget* parent);

    // What the page lays out: the caption (nullptr for controls that carry
    // their own, such as check boxes) and the control.
    QLabel* caption() const { return caption_; }
    QWidget* widget() const { return widget_; }
    const com::pages::Field& field() const { return page_.fields()[index_]; }

    // Shows the field as the page holds it now.
    void load();

  signals:
    void edited();

  private:
    void build(QWidget* parent);
    void commit(com::Variant value);
    void chooseSwatchColor();
    void showSwatch(std::uint32_t color);
    std::string nameInPage() const;

    com::pages::PropertyPage& page_;
    std::size_t index_;
    QLabel* caption_ = nullptr;
    QWidget* widget_ = nullptr;
    QWidget* input_ = nullptr;   // the editing control inside widget_
    QWidget* swatch_ = nullptr;  // colour fields
    int loading_ = 0;
};

}  // namespace brennix::qt
