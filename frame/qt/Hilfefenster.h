// The program's help on screen: a window of its own with the help pages
// beside the program (an index of all pages, the page, back, forward and
// the start page), opened at the page of a help context number; F1 in a
// window of the program opens it at that window's help context; and the
// plain text that a rich-text box shows for a rich text.
#pragma once

#include "frame/Plattform.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QListWidget;
class QTextBrowser;

class Hilfefenster : public QWidget {
public:
    // The pages of the folder, the start page shown.
    explicit Hilfefenster(const QString& ordner, QWidget* parent = nullptr);
    // Shows the page of the help context number (the start page when there
    // is none for it).
    void Öffnen(std::int32_t kontext);
    QTextBrowser* Browser() const { return browser_; }
    QListWidget* Index() const { return index_; }
    // The page shown (its full path).
    QString Seite() const;

private:
    QString ordner_;
    QTextBrowser* browser_ = nullptr;
    QListWidget* index_ = nullptr;
    void indexFolgen();
};

namespace QtHilfe {

// F1 in the window (or in a window it owns) opens the help at the context
// number the function gives at that moment: for a window whose page changes
// with its tab pages. Any other window of the program opens the page of its
// name (Hilfeseiten::Fensterkontext); a window that is not the program's
// uses its owner's, and without any the start page opens.
void KontextBinden(QWidget* fenster, std::function<std::int32_t()> kontext);

// The platform's help: the help window, F1 in the program's windows, and
// the reading of rich text. F1 is watched while the object lives.
class Dienst : public QObject, public Plattform::Hilfe {
public:
    Dienst();
    ~Dienst() override;
    void Zeigen(std::int32_t kontext) override;
    std::string Klartext(const std::string& richText) override;
    // The open help window, or null.
    Hilfefenster* Fenster() const { return fenster_; }
    // The folder of the pages: the start's help folder, else "hilfe" beside the program.
    static QString Ordner();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QPointer<Hilfefenster> fenster_;
};

} // namespace QtHilfe
