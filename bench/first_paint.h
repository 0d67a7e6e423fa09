#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Quits the application once the watched window has been painted for the
// first time: the moment a pupil sees the window, which ends a start-up
// measurement.
class QuitAfterFirstPaint final : public QObject {
public:
    static void watch(QWidget& window) { window.installEventFilter(new QuitAfterFirstPaint(&window)); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so the paint that is about to happen completes first.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                                      Qt::QueuedConnection);
        }
        return false;
    }

private:
    using QObject::QObject;
    bool painted_ = false;
};
