#include "frame/qt/Bildschirmschrift.h"

#include "frame/Steuerelemente.h"
#include "frame/basZIRVOBildschirmschrift.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace QtBildschirmschrift {

void DesktopSchriftÜbernehmen() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    basZIRVOBildschirmschrift::DesktopSchriftSetzen(f.family().toStdString(), f.pointSizeF());
}

void Anwenden(QWidget* widget, const Formular& formular) {
    if (!widget || formular.FontName == "MS Sans Serif") return;
    QFont f = widget->font();
    f.setFamily(QString::fromStdString(formular.FontName));
    if (formular.FontSize > 0) f.setPointSizeF(formular.FontSize);
    widget->setFont(f);
}

} // namespace QtBildschirmschrift
