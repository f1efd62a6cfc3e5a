#pragma once
// The platform's colour chooser as the sheets open it: Qt's colour dialog,
// unless a test or a host puts its own in place.

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

namespace brennix::qt {

// nullopt when the user cancels.
using ColorChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

std::optional<QColor> chooseColor(const QColor& initial, QWidget* parent);

// Returns the chooser that was in place; an empty one restores Qt's dialog.
ColorChooser setColorChooser(ColorChooser chooser);

}  // namespace brennix::qt
