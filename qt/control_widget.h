#pragma once
// A Qt widget that hosts one control created through the class registry, by
// programmatic identifier ("TRENDWICK.ChartCtrl.1") or type-library alias
// ("TRENDWICKLib.Chart"). The widget is the control's site: repaint
// requests become updates, the control paints through the raster canvas
// into an image Qt draws as it is (or, when it can, straight into Qt's own
// image of the window), input is forwarded, window timers are Qt
// timers, messages are modal message boxes, extents are negotiated in
// 0.01 mm and painting is in device pixels.
//
// From Qt the control looks like a widget: its properties are readable and
// writable by name (controlProperty, or QObject::setProperty as form files
// do), its events are signals and its methods are callable.

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <memory>

#include "platform/com/control.h"
#include "platform/gfx/bitmap.h"

class QPainter;
class QRegion;

namespace brennix::qt {

class ControlWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString controlId READ controlId WRITE setControlId)

  public:
    explicit ControlWidget(QWidget* parent = nullptr);
    explicit ControlWidget(const QString& controlId, QWidget* parent = nullptr);
    ~ControlWidget() override;

    QString controlId() const { return controlId_; }
    // Replaces the hosted control by a new one of that class; false, with
    // lastError(), when the class cannot be created.
    bool setControlId(const QString& controlId);
    // Hosts a control the caller made.
    void hostControl(std::shared_ptr<com::Control> control, const QString& controlId = {});
    com::Control* control() const { return control_.get(); }
    QString lastError() const { return lastError_; }

    // The ambient user mode: true when the form runs, false while it is
    // designed. Hardware controls are invisible at run time.
    bool userMode() const { return userMode_; }
    void setUserMode(bool userMode);
    bool invisibleAtRunTime() const { return invisibleAtRunTime_; }

    // Properties by name, with the control's own conversions, tests and
    // messages. An invalid QVariant for a property that does not exist.
    Q_INVOKABLE QVariant controlProperty(const QString& name) const;
    Q_INVOKABLE bool setControlProperty(const QString& name, const QVariant& value);
    // The published properties, in table order.
    QStringList controlPropertyNames() const;
    // While an event is being signalled: writes back a by-reference
    // argument. False outside an event or for an argument passed by value.
    Q_INVOKABLE bool setEventArgument(int index, const QVariant& value);
    // A method by name; an invalid QVariant when the call fails.
    Q_INVOKABLE QVariant callMethod(const QString& name, const QVariantList& arguments = {});

    // Whether the control's window timer of that id is running.
    bool timerArmed(std::uint32_t id) const;

    // What the control paints now, in device pixels.
    QImage renderFrame();
    // Pixels of the control per logical pixel of the widget.
    qreal pixelRatio() const;
    // Whether the last paint drew the control straight into the paint
    // device's memory rather than into the canvas Qt then copies.
    bool paintedInPlace() const { return paintedInPlace_; }

    QSize sizeHint() const override;

  signals:
    // Every event of the control, with its arguments. A receiver connected
    // directly may change by-reference arguments (KeyAscii, KeyCode) with
    // setEventArgument.
    void controlEvent(const QString& name, const QVariantList& arguments);
    // The stock events.
    void Click();
    void DblClick();
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    class Site;
    friend class Site;

    using ButtonHandler = void (com::Control::*)(com::MouseButton, std::int16_t, int, int);
    void forwardButton(QMouseEvent* event, ButtonHandler handler);
    void releaseControl();
    void onControlEvent(com::DispId id, std::span<com::Variant> args);
    void syncProperties();
    void proposeExtent();
    void applyRunTimeVisibility();
    QSize logicalSizeOf(gfx::Size himetric) const;
    gfx::Bitmap devicePixels(QPainter& painter, const QRegion& region, gfx::Size size) const;

    std::unique_ptr<Site> site_;
    std::shared_ptr<com::Control> control_;
    std::uint32_t sinkCookie_ = 0;
    QString controlId_;
    QString lastError_;
    bool userMode_ = true;
    bool invisibleAtRunTime_ = false;
    bool negotiating_ = false;
    bool paintedInPlace_ = false;
    int syncing_ = 0;
    // Set by name before there was a control (uic sets the controlId after
    // the numbers): handed to the control when it comes.
    QList<QByteArray> pendingProperties_;
    struct PendingEvent;
    PendingEvent* event_ = nullptr;
};

}  // namespace brennix::qt
