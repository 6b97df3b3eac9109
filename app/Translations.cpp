#include "app/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <vector>

#include "app/AppResources.h"

namespace {

std::vector<QTranslator*> g_translators;
UiLanguage g_installedLanguage = UiLanguage::Chinese;

bool IsChineseLocale(const QLocale& locale) {
    return locale.language() == QLocale::Chinese || locale.language() == QLocale::C;
}

bool Install(const QString& strResource) {
    auto* pTranslator = new QTranslator(QCoreApplication::instance());
    if (!pTranslator->load(strResource) || !QCoreApplication::installTranslator(pTranslator)) {
        delete pTranslator;
        return false;
    }
    g_translators.push_back(pTranslator);
    return true;
}

}  // namespace

UiLanguage ChooseUiLanguage() {
    const QString strLang = qEnvironmentVariable("QUORRIX_LANG").trimmed().toLower();
    if (strLang.startsWith(QLatin1String("zh"))) return UiLanguage::Chinese;
    if (strLang.startsWith(QLatin1String("en"))) return UiLanguage::English;
    return IsChineseLocale(QLocale::system()) ? UiLanguage::Chinese : UiLanguage::English;
}

bool InstallTranslations(UiLanguage language) {
    InitAppResources();
    g_installedLanguage = language;
    if (language == UiLanguage::English)
        return Install(QStringLiteral(":/translations/quorrix_en.qm"));
    return Install(QStringLiteral(":/translations/qtbase_zh_CN.qm"));
}

UiLanguage InstalledUiLanguage() { return g_installedLanguage; }

void RemoveTranslations() {
    g_installedLanguage = UiLanguage::Chinese;
    for (QTranslator* pTranslator : g_translators) {
        QCoreApplication::removeTranslator(pTranslator);
        delete pTranslator;
    }
    g_translators.clear();
}
