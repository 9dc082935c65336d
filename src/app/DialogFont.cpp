#include "DialogFont.h"

#include "model/DialogLayout.h"

#include <QFontDatabase>
#include <QStringList>

namespace lumo::qt {

namespace {

QString JapaneseFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& preferred :
         {QStringLiteral(DIALOG_FONT_FACE), QStringLiteral("IPAPGothic")}) {
        if (installed.contains(preferred)) {
            return preferred;
        }
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : japanese) {
        if (family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
            family.contains(QStringLiteral("Sans"), Qt::CaseInsensitive)) {
            return family;
        }
    }
    return japanese.isEmpty() ? QString() : japanese.first();
}

} // namespace

QFont DialogFont(int points) {
    QFont font;
    const QString family = JapaneseFamily();
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPixelSize((points * 96 + 36) / 72);
    return font;
}

} // namespace lumo::qt
