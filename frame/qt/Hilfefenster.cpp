#include "frame/qt/Hilfefenster.h"

#include "frame/Hilfeseiten.h"
#include "frame/Programmstart.h"
#include "frame/basZIRVO3801.h"
#include "frame/basZIRVODialogSprache.h"
#include "frame/qt/Fensterlage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVariant>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The help context source of a window, a child of it.
class Kontextquelle : public QObject {
public:
    Kontextquelle(QWidget* fenster, std::function<std::int32_t()> f) : QObject(fenster), kontext(std::move(f)) {
        setObjectName("Hilfekontext");
    }
    std::function<std::int32_t()> kontext;
};

// The context of the window that has the key: the page it tells of the
// moment (a number above 0), else the page of the program's window of its name; a window the
// program's table does not know (a message box, a file dialog) takes the
// context of the window that owns it. So a dialog never shows the page of
// the window behind it.
std::int32_t Kontext(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        QWidget* fenster = w->window();
        if (auto* q = fenster->findChild<Kontextquelle*>("Hilfekontext", Qt::FindDirectChildrenOnly))
            if (const std::int32_t k = q->kontext ? q->kontext() : 0; k > 0) return k;
        const std::int32_t k = Hilfeseiten::Fensterkontext(fenster->objectName().toStdString());
        if (k != Hilfeseiten::VomEigentümer) return k;
        w = fenster;
    }
    return 0;
}

// The page view: a page read from the help folder shows its numbers as
// the program shows numbers (the user's decimal separator).
class Seitenansicht : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int typ, const QUrl& name) override {
        QVariant inhalt = QTextBrowser::loadResource(typ, name);
        if (typ != QTextDocument::HtmlResource) return inhalt;
        const QString html = inhalt.userType() == QMetaType::QByteArray ? QString::fromUtf8(inhalt.toByteArray())
                                                                        : inhalt.toString();
        return QString::fromStdString(Hilfeseiten::ZahlenAnzeigen(html.toStdString()));
    }
};

} // namespace

Hilfefenster::Hilfefenster(const QString& ordner, QWidget* parent) : QWidget(parent, Qt::Window), ordner_(ordner) {
    setObjectName("Hilfe");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q(basZIRVO3801::ProgrammTitel + " - " + DS("Hilfe")));

    auto knopf = [this](const char* text, const char* name) {
        auto* k = new QToolButton(this);
        k->setText(Q(DS(text)));
        k->setObjectName(name);
        return k;
    };
    auto* zurück = knopf("Zurück", "Zurueck");
    auto* vor = knopf("Vorwärts", "Vor");
    auto* start = knopf("Inhalt", "Start");
    auto* leiste = new QHBoxLayout;
    leiste->addWidget(zurück);
    leiste->addWidget(vor);
    leiste->addWidget(start);
    leiste->addStretch(1);

    index_ = new QListWidget(this);
    index_->setObjectName("Index");
    for (const auto& e : Hilfeseiten::Inhalt(ordner_.toStdString())) {
        auto* eintrag = new QListWidgetItem(Q(e.Titel), index_);
        eintrag->setData(Qt::UserRole, QDir::cleanPath(Q(e.Datei)));
    }
    browser_ = new Seitenansicht(this);
    browser_->setObjectName("Seite");
    browser_->setSearchPaths({ordner_});
    browser_->setOpenExternalLinks(true);

    auto* teiler = new QSplitter(this);
    teiler->addWidget(index_);
    teiler->addWidget(browser_);
    teiler->setStretchFactor(1, 3);
    auto* l = new QVBoxLayout(this);
    l->addLayout(leiste);
    l->addWidget(teiler, 1);

    zurück->setEnabled(false);
    vor->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, zurück, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor, &QWidget::setEnabled);
    connect(zurück, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(vor, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(start, &QToolButton::clicked, this, [this] { Öffnen(0); });
    connect(index_, &QListWidget::itemActivated, this, [this](QListWidgetItem* e) {
        browser_->setSource(QUrl::fromLocalFile(e->data(Qt::UserRole).toString()));
    });
    connect(index_, &QListWidget::itemClicked, this, [this](QListWidgetItem* e) {
        browser_->setSource(QUrl::fromLocalFile(e->data(Qt::UserRole).toString()));
    });
    // The index marks the page shown (the history changes with every page).
    connect(browser_, &QTextBrowser::historyChanged, this, [this] { indexFolgen(); });
    resize(900, 640);
}

void Hilfefenster::Öffnen(std::int32_t kontext) {
    const QString seite = Q(Hilfeseiten::Seite(ordner_.toStdString(), kontext));
    if (QFileInfo::exists(seite)) {
        browser_->setSource(QUrl::fromLocalFile(seite));
    } else {
        browser_->setHtml("<p>" + Q(DS("Die Hilfe ist nicht vorhanden:")).toHtmlEscaped() + "<br>" +
                          QDir::toNativeSeparators(ordner_).toHtmlEscaped() + "</p>");
    }
}

QString Hilfefenster::Seite() const { return QDir::cleanPath(browser_->source().toLocalFile()); }

void Hilfefenster::indexFolgen() {
    const QString seite = Seite();
    for (int i = 0; i < index_->count(); ++i) {
        if (index_->item(i)->data(Qt::UserRole).toString() == seite) {
            index_->setCurrentRow(i);
            return;
        }
    }
    index_->setCurrentRow(-1);
}

namespace QtHilfe {

void KontextBinden(QWidget* fenster, std::function<std::int32_t()> kontext) {
    delete fenster->findChild<Kontextquelle*>("Hilfekontext", Qt::FindDirectChildrenOnly);
    new Kontextquelle(fenster, std::move(kontext));
}

Dienst::Dienst() {
    if (qApp) qApp->installEventFilter(this);
}

Dienst::~Dienst() {
    if (qApp) qApp->removeEventFilter(this);
    delete fenster_;
}

QString Dienst::Ordner() {
    if (!basZIRVO3801::Hilfedatei.empty()) return Q(basZIRVO3801::Hilfedatei);
    return QDir(QCoreApplication::applicationDirPath()).filePath("hilfe");
}

void Dienst::Zeigen(std::int32_t kontext) {
    // While a modal window is open only it and what it owns take input: the
    // help window then belongs to it.
    QWidget* eigentümer = QApplication::activeModalWidget();
    // Owned, it stays in front of the modal window.
    const Qt::WindowFlags art = eigentümer ? Fensterlage::BesessenesFenster : Qt::WindowFlags(Qt::Window);
    if (fenster_ && (fenster_->parentWidget() != eigentümer || fenster_->windowType() != (art & Qt::WindowType_Mask))) {
        fenster_->setParent(eigentümer, art);
    }
    if (!fenster_) {
        fenster_ = new Hilfefenster(Ordner(), eigentümer);
        if (eigentümer) fenster_->setWindowFlags(art);
    }
    fenster_->Öffnen(kontext);
    fenster_->show();
    fenster_->raise();
    fenster_->activateWindow();
}

std::string Dienst::Klartext(const std::string& richText) {
    QTextDocument d;
    d.setHtml(Q(richText));
    return d.toPlainText().toStdString();
}

bool Dienst::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress && objekt->isWidgetType() &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(ereignis)->modifiers() == Qt::NoModifier) {
        Zeigen(Kontext(static_cast<QWidget*>(objekt)));
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace QtHilfe
