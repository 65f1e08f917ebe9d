// The component pick list of the envelope tables on the screen: the small
// button beside the focused number cell and the list it opens, placed over
// the cell's table and bound to the main window model's cmdDaBt and lstDaBt.
#pragma once

#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QToolButton>

#include <vector>

class QWidget;
class Steuerelement;
class frmZIRVO3801Ansicht;

class BauteillisteAnsicht : public QObject {
public:
    // Lives as long as the main window; the main window ends it first, while
    // the tables it stands over are whole. The list it opens never outlives it.
    explicit BauteillisteAnsicht(frmZIRVO3801Ansicht& hauptfenster);
    ~BauteillisteAnsicht() override;

    QToolButton* Knopf() const { return knopf_; }
    QListWidget* Liste() const { return liste_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    frmZIRVO3801Ansicht& h_;
    QPointer<QToolButton> knopf_;
    QPointer<QListWidget> liste_;
    QPointer<QWidget> zelle_; // the number cell the button stands beside
    std::vector<std::pair<Steuerelement*, int>> beobachtet_;

    QWidget* Zellwidget() const;
    void KnopfFolgen();
    void ListeFolgen();
    void Danach();
    void ListeLosgelassen(int taste);
    void ListeVerlassen(Qt::FocusReason grund);
};
