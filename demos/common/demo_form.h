#pragma once
// One form of a demonstration program: the window built from its Designer
// form file, its controls found by name, and whether it has unloaded itself.
// A program's form derives from it and adds the handlers; its timers are Qt
// timers whose ticks a test may also deliver by hand.

#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "qt/control_widget.h"

namespace brennix::demos {

class DemoForm : public QObject {
    Q_OBJECT
  public:
    // The form file is read from the program's resources (":/demos/...").
    explicit DemoForm(const QString& formFile);
    ~DemoForm() override;
    DemoForm(const DemoForm&) = delete;
    DemoForm& operator=(const DemoForm&) = delete;

    // Form_Load: false when the form unloaded itself (the program ends).
    virtual bool load() = 0;
    // Form_Unload.
    virtual void unload() {}

    QWidget& window() { return *window_; }
    bool unloaded() const { return unloaded_; }
    // What went wrong while the form was built: a form file that could not be
    // read, a control that could not be created, a name the form lacks.
    QStringList problems() const { return problems_; }

    // Never null: a name the form lacks is a problem, and a hidden stand-in
    // without a control takes its place, so handlers need no checks.
    qt::ControlWidget* control(const QString& name);
    QLabel* label(const QString& name);
    QPushButton* button(const QString& name);

  protected:
    // Closes the window; the program ends when load() returns.
    void unloadForm();

  private:
    template <class Widget>
    Widget* find(const QString& name);

    std::unique_ptr<QWidget> window_;
    QStringList problems_;
    bool unloaded_ = false;
};

}  // namespace brennix::demos
