#pragma once
// Loads Designer form files (.ui) that place hosted controls: a widget of
// class brennix::qt::ControlWidget with its controlId, or of a class named
// after a control ("Chart", "Knob"), becomes a ControlWidget hosting that
// control; the form's other properties reach the control by name.

#include <QString>
#include <QUiLoader>

namespace brennix::qt {

class FormLoader : public QUiLoader {
    Q_OBJECT
  public:
    explicit FormLoader(QObject* parent = nullptr);

    QWidget* createWidget(const QString& className, QWidget* parent = nullptr,
                          const QString& name = QString()) override;

    // The form's top widget, or null with the reason in error.
    QWidget* loadForm(const QString& file, QWidget* parent, QString& error);
};

// The control a Qt class name of a form stands for ("Chart" ->
// "TRENDWICKLib.Chart"); empty when it names none.
QString controlIdOfClassName(const QString& className);

}  // namespace brennix::qt
