#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quintara::ui {

PlayerLanguage ChooseLanguage(const QStringList& uiLanguages) {
  for (const QString& name : uiLanguages) {
    if (name.startsWith(QLatin1String("fr"), Qt::CaseInsensitive)) return PlayerLanguage::kFrench;
    if (name.startsWith(QLatin1String("en"), Qt::CaseInsensitive)) return PlayerLanguage::kEnglish;
  }
  return PlayerLanguage::kFrench;
}

void InstallTranslations(QCoreApplication& application, PlayerLanguage language) {
  for (QTranslator* old :
       application.findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  // The game's texts are French already; Qt's own are English already.
  const bool english = language == PlayerLanguage::kEnglish;
  auto* translator = new QTranslator(&application);
  const bool loaded = english
                          ? translator->load(QStringLiteral(":/translations/quintara_en.qm"))
                          : translator->load(QStringLiteral("qtbase_fr"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!loaded || !QCoreApplication::installTranslator(translator)) delete translator;
}

std::string TranslatedLanguage::Translate(const char* french, int count) const {
  return QCoreApplication::translate("Game", french, nullptr, count).toStdString();
}

}  // namespace quintara::ui
