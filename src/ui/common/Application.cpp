#include "ui/common/Application.h"

#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "ui/common/QtMessageBoxGateway.h"
#include "ui/common/QtSoundPlayer.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace zr {

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

    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);

    static QtMessageBoxGateway gateway;
    InstallMessageBoxGateway(&gateway);
    static QtSoundPlayer player;
    InstallSoundPlayer(&player);
}

}  // namespace zr
