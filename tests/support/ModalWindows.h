#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `action` on the modal window that appears next (a message box or a file dialog), once
// the event loop shows it; the test itself never waits.
template <typename TWindow> void WhenModalAppears(std::function<void(TWindow&)> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* window = qobject_cast<TWindow*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(*window);
    });
    timer->start(0);
}

// The visible button texts of a window, without the "&" of their shortcuts, sorted (the
// order on screen depends on the desktop's button layout).
inline QStringList ButtonTexts(const QWidget& window)
{
    QStringList texts;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            texts << button->text().remove(QLatin1Char('&'));
    }
    texts.sort();
    return texts;
}
