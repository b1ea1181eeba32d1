#pragma once
// Qt's own texts (the text boxes' context menus, the standard buttons) in Japanese, like every
// caption of the program, whatever language the desktop speaks.

#include <QLibraryInfo>
#include <QString>

class QTranslator;

namespace zen::qt {

// Loads Qt's Japanese translation (qtbase_ja.qm, from Debian's qt6-translations-l10n) from a folder,
// Qt's own translations folder unless told, and installs it in the application, which owns it.
// Without the file nothing changes and Qt's texts stay English: none is returned then.
QTranslator* installJapaneseQtTexts(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace zen::qt
