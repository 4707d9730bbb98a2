#include "platform/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

bool LoadToolkitTranslations(QCoreApplication& application) {
  const QString beside = QCoreApplication::applicationDirPath();
  // The system's Qt first; a Windows deployment copies the files into a
  // "translations" folder beside the program.
  const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               beside + QStringLiteral("/translations"), beside};
  auto* translator = new QTranslator(&application);
  for (const QString& folder : folders) {
    if (translator->load(QStringLiteral("qtbase_it"), folder)) {
      return QCoreApplication::installTranslator(translator);
    }
  }
  delete translator;
  return false;
}
