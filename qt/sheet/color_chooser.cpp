#include "qt/sheet/color_chooser.h"

#include <QColorDialog>
#include <utility>

namespace brennix::qt {
namespace {

ColorChooser& installed() {
    static ColorChooser chooser;
    return chooser;
}

}  // namespace

std::optional<QColor> chooseColor(const QColor& initial, QWidget* parent) {
    if (installed())
        return installed()(initial, parent);
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

ColorChooser setColorChooser(ColorChooser chooser) {
    return std::exchange(installed(), std::move(chooser));
}

}  // namespace brennix::qt
