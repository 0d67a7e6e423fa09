// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Quits the application once the watched window has been painted for the
// first time: the moment a pupil sees the window, which ends a start-up
// measurement. Any widget of the window may be the first to get a paint
// event (the window itself is skipped where its children cover it); the quit
// is queued, so the whole frame is painted before the event loop ends.
class QuitAfterFirstPaint final : public QObject {
public:
    static void watch(QWidget& window)
    {
        QCoreApplication::instance()->installEventFilter(new QuitAfterFirstPaint(window));
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_ && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window() == window_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(QCoreApplication::instance()), window_(&window) {}

    QPointer<QWidget> window_;
    bool painted_ = false;
};
