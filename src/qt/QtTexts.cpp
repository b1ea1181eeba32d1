#include "QtTexts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace zen::qt {

QTranslator* installJapaneseQtTexts(const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QStringLiteral("qtbase_ja"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace zen::qt
