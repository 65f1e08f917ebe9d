#include "tests/support/qt/Widgethilfe.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

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

void Bild(QWidget& w, const char* datei) {
    const char* ordner = std::getenv("ZIRVO_SCREENSHOTS");
    if (!ordner || !*ordner) return;
    QDir().mkpath(QString::fromUtf8(ordner));
    w.grab().save(QString::fromUtf8(ordner) + "/" + QString::fromUtf8(datei));
}

} // namespace Testhilfe
