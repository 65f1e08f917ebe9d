#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QTimer>

#include <cstdlib>

namespace Testhilfe {

void Tippen(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent d(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &d);
        QKeyEvent u(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &u);
    }
}

void Modal(const std::function<void()>& zeigen, const std::function<void(QDialog&)>& bedienen) {
    bool gesehen = false;
    QTimer bedienung;
    bedienung.setSingleShot(true);
    QObject::connect(&bedienung, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        gesehen = true;
        bedienen(*d);
        if (QApplication::activeModalWidget() == d) d->reject();
    });
    bedienung.start(0);
    zeigen();
    EXPECT_TRUE(gesehen) << "kein modaler Dialog";
}

void Bild(QWidget& w, const char* datei) {
    const char* ordner = std::getenv("ZIRVO_SCREENSHOTS");
    if (!ordner || !*ordner) return;
    QDir().mkpath(QString::fromUtf8(ordner));
    w.grab().save(QString::fromUtf8(ordner) + "/" + QString::fromUtf8(datei));
}

} // namespace Testhilfe
