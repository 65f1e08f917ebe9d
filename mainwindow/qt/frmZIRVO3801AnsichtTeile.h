// What the parts of the main window's view share: its state (the actions,
// tool bars, title strips and grids it built), the inner area, the panes'
// title strips and the dividing strip beside the help panel.
#pragma once

#include "frame/qt/Bindung.h"
#include "mainwindow/frmZIRVO3801.h"
#include "mainwindow/qt/frmZIRVO3801Ansicht.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Hauptfensterteile {

using Bindung::Twips;

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The inner area: its size is the model's inner size; a click on it outside
// every control is the window's click.
class Fläche : public QWidget {
public:
    std::function<void()> Grösse;
    std::function<void()> Klick;
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (Grösse) Grösse();
    }
    void mousePressEvent(QMouseEvent* e) override {
        QWidget::mousePressEvent(e);
        if (e->button() == Qt::LeftButton && Klick) Klick();
    }
};

// A pane's title strip: painted from its state, the mouse handed to the
// model (the lower pane's strip is the splitter).
class Titelwidget : public QWidget {
public:
    Titelwidget(frmZIRVO3801& m, std::int16_t index, QWidget* parent) : QWidget(parent), m_(m), index_(index) {
        setObjectName(QString("picTitel(%1)").arg(index));
        setMouseTracking(true);
        setFocusPolicy(Qt::ClickFocus);
        if (index == 0) setCursor(Qt::SizeVerCursor);
    }
    std::function<void()> Danach;

protected:
    void paintEvent(QPaintEvent*) override {
        const auto& s = m_.picTitel[index_];
        QPainter p(this);
        const QPalette& pal = palette();
        const bool aktiv = s.Aktiv();
        const QColor grund = aktiv ? pal.color(QPalette::Active, QPalette::Highlight) : pal.color(QPalette::Mid);
        const QColor schrift = aktiv ? pal.color(QPalette::Active, QPalette::HighlightedText) : pal.color(QPalette::Midlight);
        const int sw = width(), sh = height();
        p.fillRect(rect(), grund);
        p.setPen(pal.color(QPalette::Button));
        p.drawRect(0, 0, sw - 1, sh - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(1, 1, sw - 1, 1);
        QFont f = font();
        f.setBold(aktiv);
        p.setFont(f);
        const QFontMetrics fm(f);
        const QString text = Q(s.Text());
        const int w = fm.horizontalAdvance(text);
        p.setPen(schrift);
        p.drawText((sw - w) / 2, 4 + fm.ascent(), text);
        // Grip lines left and right of the text.
        const int L = (sw - w) / 2 - 10;
        if (L <= 0) return;
        const int R = sw - 5 - L;
        auto linien = [&](const QColor& c, std::initializer_list<int> ys) {
            p.setPen(c);
            for (int y : ys) {
                p.drawLine(4, y, 4 + L - 1, y);
                p.drawLine(R, y, R + L - 1, y);
            }
        };
        if (aktiv) {
            linien(pal.color(QPalette::Dark), {7, 9, 11});
            linien(pal.color(QPalette::Light), {8, 10, 12});
        } else {
            linien(pal.color(QPalette::Light), {8, 10, 12});
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        QWidget::mousePressEvent(e);
        if (e->button() != Qt::LeftButton) return;
        m_.picTitel_MouseDown(index_, Twips(1) * e->position().y());
        if (Danach) Danach();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QWidget::mouseMoveEvent(e);
        m_.picTitel_MouseMove(index_, Twips(1) * e->position().y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QWidget::mouseReleaseEvent(e);
        if (e->button() != Qt::LeftButton) return;
        m_.picTitel_MouseUp(index_, Twips(1) * e->position().y());
        if (Danach) Danach();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        m_.picTitel_DblClick(index_);
        if (Danach) Danach();
    }

private:
    frmZIRVO3801& m_;
    std::int16_t index_;
};

// The dividing strip left of the help panel: a light line down its left
// edge and a shadow line down its right. Dragged, it sets the panel's width.
class Teiler : public QWidget {
public:
    Teiler(frmZIRVO3801& m, QWidget* parent) : QWidget(parent), m_(m) { setCursor(Qt::SizeHorCursor); }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_.picTrHilfe_MouseDown();
    }
    void mouseMoveEvent(QMouseEvent* e) override { m_.picTrHilfe_MouseMove(innen(e)); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_.picTrHilfe_MouseUp(innen(e));
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }

private:
    // The pointer in the inner area, in twips.
    double innen(QMouseEvent* e) const {
        // From the screen: the strip itself moves while it is dragged.
        return Twips(1) * parentWidget()->mapFromGlobal(e->globalPosition()).x();
    }
    frmZIRVO3801& m_;
};

} // namespace Hauptfensterteile

struct frmZIRVO3801Ansicht::Zustand {
    std::shared_ptr<frmZIRVO3801Ansicht*> selbst;
    std::vector<std::pair<Steuerelement*, int>> beobachtet;
    std::map<const Menüeintrag*, QAction*> aktionen;
    std::map<const Menüeintrag*, std::function<void()>> handler;
    QToolBar* leisten[2] = {nullptr, nullptr};
    std::map<std::pair<int, std::string>, QToolButton*> knöpfe;
    std::vector<Hauptfensterteile::Titelwidget*> titel;
    EingabeTabelleWidget* tabellen[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
    std::map<QObject*, TextBox*> zellen;
    std::map<QObject*, std::int16_t> boxen;
};
