#include "ui/common/Application.h"

#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "ui/common/QtMessageBoxGateway.h"
#include "ui/common/QtSoundPlayer.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QList>
#include <QLocale>
#include <QTranslator>

namespace zr {
namespace {

UiLanguage &installedLanguage()
{
    static UiLanguage language = UiLanguage::Japanese;
    return language;
}

QList<QTranslator *> &installedTranslators()
{
    static QList<QTranslator *> translators;
    return translators;
}

}  // namespace

void SetUpApplication(QApplication &app)
{
    QFont::insertSubstitution(QString::fromUtf16(kProportionalGothic), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QString::fromUtf16(kFixedGothic), QStringLiteral("IPAGothic"));
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), {QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), {QStringLiteral("IPAGothic")});

    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(10);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);

    InstallTranslations(app, UiLanguage::Japanese, QString());

    static QtMessageBoxGateway gateway;
    InstallMessageBoxGateway(&gateway);
    static QtSoundPlayer player;
    InstallSoundPlayer(&player);
}

QString TranslationFile(const QString &appDir, UiLanguage language)
{
    return appDir + QStringLiteral("translations/zorvel-lesson_") + LanguageCode(language) + QStringLiteral(".qm");
}

QString HelpFileName(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("zr_en.hlp") : QStringLiteral("zr.hlp");
}

bool InstallTranslations(QApplication &app, UiLanguage language, const QString &appDir)
{
    for (QTranslator *translator : installedTranslators()) {
        app.removeTranslator(translator);
        delete translator;
    }
    installedTranslators().clear();
    installedLanguage() = UiLanguage::Japanese;

    auto install = [&](QTranslator *translator) {
        app.installTranslator(translator);
        installedTranslators().append(translator);
    };
    auto *own = new QTranslator(&app);
    const bool translated = language == UiLanguage::Japanese || own->load(TranslationFile(appDir, language));
    if (language != UiLanguage::Japanese && translated)
        install(own);
    else
        delete own;
    if (translated)
        installedLanguage() = language;

    // Qt's own dialogs and buttons in the language the program's texts are in.
    const QLocale locale(installedLanguage() == UiLanguage::English ? QLocale::English : QLocale::Japanese);
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(qt);
    else
        delete qt;
    return translated;
}

UiLanguage InterfaceLanguage()
{
    return installedLanguage();
}

}  // namespace zr
