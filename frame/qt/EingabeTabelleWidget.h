// The Qt view of an input grid.
//
// The widget is the grid's box: it holds a line edit for every registered
// cell, a label for every registered caption and total label and a scroll
// bar, each bound to its control state. The grid model decides which rows
// show and where; the widget places them, draws the frame and the column
// lines, and follows the totals row with the lower edge. Keys pressed in a
// cell go to the grid's key navigation, and the focus follows the cell the
// grid names. The owner view may hook the cells' events (focus gained and
// lost, key down) to run its own handlers instead of the grid's default.
//
// Laid out by a Qt layout, the widget tells the grid its size; placed by
// the owner model through the grid's Move, it takes the box's place.
#pragma once

#include "frame/EingabeTabelle.h"

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace Tastencode {
// The key code and shift state of a Qt key event; False for a key without code.
bool AusQt(const QKeyEvent& e, std::int16_t& KeyCode, std::int16_t& Shift);
} // namespace Tastencode

class EingabeTabelleWidget : public QWidget {
    Q_OBJECT
public:
    // Handlers of the owner view for the cells' events. Without one, a cell
    // that gets the focus becomes the grid's current cell, and a key goes to
    // the grid's navigation with the cell's row and column.
    std::function<void(TextBox&)> ZelleGotFocus;
    std::function<void(TextBox&)> ZelleLostFocus;
    std::function<bool(TextBox&, std::int16_t& KeyCode, std::int16_t Shift)> ZelleKeyDown;

    // The grid is fully registered; it should outlive the widget, but the
    // widget does no harm when it does not.
    explicit EingabeTabelleWidget(EingabeTabelle& tabelle, QWidget* parent = nullptr);
    ~EingabeTabelleWidget() override;

    EingabeTabelle& Tabelle() const { return tabelle_; }

    // Widths of the columns in pixels, in the order the cells of a row were
    // registered.
    void setSpaltenbreiten(const std::vector<int>& breiten);
    // A place of its own for a label, in pixels of the design (a total
    // label's place moves with the lower edge). Without one, the captions
    // stand over the columns and the totals under them, in registration order.
    void setLabelLage(const Label& lab, const QRect& lage);
    // A label whose caption is a code and a name ("D   Dach"): the name
    // starts at `einzug` pixels, so the names of several such labels line up.
    void setLabelEinzug(const Label& lab, int einzug);
    // The column lines start at this height (pixels of the design), below
    // captions that span several columns; default: the top of the frame.
    void setSpaltenlinienOben(int y);

    // The place over columns von..bis (in the order of a row's cells), from
    // oben with the height, in pixels: where a caption over them stands.
    QRect Spaltenlage(int von, int bis, int oben, int höhe) const;

    QLineEdit* Zellwidget(const TextBox& zelle) const;
    QLabel* Labelwidget(const Label& lab) const;
    QScrollBar* Rollbalken() const { return balken_; }
    // Top of the first row and height of a row, in pixels.
    int ZeilenOben() const { return zelleOben_; }
    int Zeilenhöhe() const { return zeilenhöhe_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // --- used by the cells ---
    void zelleFokus(TextBox& zelle, bool erhalten);
    bool zelleTaste(TextBox& zelle, std::int16_t& KeyCode, std::int16_t Shift);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct Spaltenplatz {
        int links, breite;
    };
    struct Zellplatz {
        QLineEdit* widget;
        std::int16_t zeile;
        int spalte; // place in the row
    };
    struct Labelplatz {
        QLabel* widget;
        QRect lage;
        bool total;
        bool eigeneLage;
    };
    struct Rückruf;

    void entwerfen();
    void anordnen();
    void fokusFolgen();
    void platzFolgen();
    void selbstBewegt();
    bool lebt() const;
    Spaltenplatz spalte(int i) const;

    EingabeTabelle& tabelle_;
    std::vector<Zellplatz> zellen_;
    std::unordered_map<const TextBox*, std::size_t> zelleNach_;
    std::vector<Labelplatz> labels_;
    std::vector<int> breiten_;
    int spaltenZahl_ = 0;
    QScrollBar* balken_ = nullptr;
    int zelleOben_ = 0;
    int zeilenhöhe_ = 0;
    int totalOben_ = 0;
    int entwurfHöhe_ = 0;
    int balkenLinks_ = 0;
    int entwurfBreite_ = 0;
    int linienOben_ = -1;
    bool hatTotal_ = false;
    bool imEntwurf_ = false;
    bool eigeneBewegung_ = false;
    std::shared_ptr<Rückruf> rückruf_;
    std::vector<std::pair<std::weak_ptr<void>, std::function<void()>>> abmeldungen_;
    std::weak_ptr<void> tabelleLebt_;
};
