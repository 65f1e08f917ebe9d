#include "mainwindow/qt/Symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace Symbole {

namespace {

const QColor Linie(60, 60, 60);
const QColor Wand(205, 120, 80);
const QColor Glas(150, 200, 235);
const QColor Boden(150, 120, 90);

// A picture drawn on a 32 × 32 grid, sharp at every size Qt asks for.
QIcon Gezeichnet(const std::function<void(QPainter&)>& zeichnen) {
    QIcon icon;
    for (int grösse : {16, 24, 32, 48}) {
        QPixmap bild(grösse, grösse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(grösse / 32.0, grösse / 32.0);
        p.setPen(QPen(Linie, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        zeichnen(p);
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

void Haus(QPainter& p) {
    QPainterPath dach;
    dach.moveTo(4, 15);
    dach.lineTo(16, 5);
    dach.lineTo(28, 15);
    p.setBrush(Qt::NoBrush);
    p.drawPath(dach);
    p.setBrush(QColor(245, 235, 215));
    p.drawRect(QRectF(7, 14, 18, 12));
}

QIcon Eigenes(std::string_view key) {
    if (key == "P")
        return Gezeichnet([](QPainter& p) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 3, 18, 26));
            for (int y : {10, 15, 20}) p.drawLine(QLineF(11, y, 21, y));
        });
    if (key == "N")
        return Gezeichnet([](QPainter& p) {
            p.setBrush(QColor(120, 160, 210));
            p.drawEllipse(QPointF(16, 10), 5, 5);
            p.drawChord(QRectF(6, 17, 20, 20), 0, 180 * 16);
        });
    if (key == "B")
        return Gezeichnet([](QPainter& p) {
            const QColor schichten[] = {QColor(220, 220, 220), QColor(250, 220, 90), Wand, QColor(220, 220, 220)};
            const double breiten[] = {3, 9, 9, 3};
            double x = 6;
            for (int i = 0; i < 4; ++i) {
                p.setBrush(schichten[i]);
                p.drawRect(QRectF(x, 4, breiten[i], 24));
                x += breiten[i];
            }
        });
    if (key == "E")
        return Gezeichnet([](QPainter& p) {
            p.setBrush(QColor(240, 230, 200));
            p.drawRect(QRectF(4, 6, 24, 20));
            p.drawLine(QLineF(16, 6, 16, 18));
            p.drawLine(QLineF(4, 18, 22, 18));
        });
    if (key == "A")
        return Gezeichnet([](QPainter& p) {
            Haus(p);
            p.setPen(QPen(QColor(200, 60, 40), 2));
            p.drawLine(QLineF(26, 22, 31, 22));
            p.drawLine(QLineF(29, 20, 31, 22));
            p.drawLine(QLineF(29, 24, 31, 22));
        });
    if (key == "U")
        return Gezeichnet([](QPainter& p) {
            Haus(p);
            p.setPen(QPen(Boden, 2));
            p.drawLine(QLineF(2, 29, 30, 29));
            for (int x = 4; x < 30; x += 5) p.drawLine(QLineF(x, 29, x - 2, 31));
        });
    if (key == "F")
        return Gezeichnet([](QPainter& p) {
            p.setBrush(Glas);
            p.drawRect(QRectF(6, 4, 20, 24));
            p.drawLine(QLineF(16, 4, 16, 28));
            p.drawLine(QLineF(6, 16, 26, 16));
        });
    if (key == "L")
        return Gezeichnet([](QPainter& p) {
            p.setPen(QPen(QColor(70, 130, 190), 2.5, Qt::SolidLine, Qt::RoundCap));
            for (int y : {9, 16, 23}) {
                QPainterPath welle;
                welle.moveTo(4, y);
                welle.cubicTo(10, y - 5, 16, y + 5, 22, y);
                p.drawPath(welle);
                p.drawLine(QLineF(22, y, 28, y));
                p.drawLine(QLineF(25, y - 3, 28, y));
                p.drawLine(QLineF(25, y + 3, 28, y));
            }
        });
    if (key == "G")
        return Gezeichnet([](QPainter& p) {
            p.setPen(QPen(QColor(230, 150, 20), 2, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 8; ++i) {
                const double w = i * M_PI / 4;
                p.drawLine(QLineF(16 + 9 * std::cos(w), 16 + 9 * std::sin(w), 16 + 13 * std::cos(w),
                                  16 + 13 * std::sin(w)));
            }
            p.setBrush(QColor(250, 200, 40));
            p.drawEllipse(QPointF(16, 16), 6, 6);
        });
    if (key == "Q")
        return Gezeichnet([](QPainter& p) {
            p.setBrush(QColor(235, 90, 60));
            for (int x = 6; x <= 22; x += 5) p.drawRoundedRect(QRectF(x, 6, 4, 22), 2, 2);
            p.drawLine(QLineF(4, 10, 28, 10));
            p.drawLine(QLineF(4, 24, 28, 24));
        });
    return {};
}

} // namespace

QIcon Zonenleiste(std::string_view key) {
    // Freedesktop names whose pictures say the same as ours.
    const char* thema = key == "P" ? "document-properties" : key == "N" ? "system-users" : key == "G" ? "weather-clear" : nullptr;
    QIcon eigenes = Eigenes(key);
    return thema ? QIcon::fromTheme(thema, eigenes) : eigenes;
}

} // namespace Symbole
