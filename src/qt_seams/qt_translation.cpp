#include "qt_seams/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace melvoro::ui {

bool LoadQtTranslation(QCoreApplication& app, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_ru"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

bool LoadQtTranslation(QCoreApplication& app) {
  return LoadQtTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace melvoro::ui
