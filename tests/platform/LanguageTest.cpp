#include "TestSupport.h"
#include "platform/Language.h"
#include "platform/Paths.h"
#include "platform/WindowPositions.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

constexpr auto ja = UiLanguage::Japanese;
constexpr auto en = UiLanguage::English;

}  // namespace

TEST(Language, FollowsTheFirstOfTheSystemsInterfaceLanguages)
{
    // As QLocale::system().uiLanguages() reports them for LANG / LANGUAGE settings.
    const struct {
        QStringList uiLanguages;
        UiLanguage expected;
    } rows[] = {
        {{"C"}, ja},                                 // LANG=C, C.UTF-8, POSIX, LC_ALL=C
        {{"POSIX"}, ja},
        {{"C.UTF-8"}, ja},
        {{}, ja},
        {{"ja-JP", "ja-Jpan-JP", "ja"}, ja},         // LANG=ja_JP.UTF-8
        {{"ja_JP.UTF-8"}, ja},
        {{"JA"}, ja},
        {{"ja", "ja-Jpan-JP", "ja-JP"}, ja},         // LANGUAGE=ja with LANG=en_US.UTF-8
        {{"de-DE", "de-Latn-DE", "de"}, en},         // LANG=de_DE.UTF-8
        {{"en", "en-Latn-US", "en-US", "ja"}, en},   // LANGUAGE=en:ja with LANG=ja_JP.UTF-8
        {{"jv-ID"}, en},                             // Javanese is not Japanese
        {{"fr-CA", "ja-JP"}, en},
    };
    for (const auto &row : rows)
        EXPECT_EQ(SystemLanguage(row.uiLanguages), row.expected) << qPrintable(row.uiLanguages.join(u','));
}

TEST(Language, CommandLineBeforeStoredChoiceBeforeSystem)
{
    const QStringList german{"de-DE"};
    const QStringList c{"C"};
    EXPECT_EQ(ChooseLanguage(ja, en, german), ja);
    EXPECT_EQ(ChooseLanguage(en, ja, c), en);
    EXPECT_EQ(ChooseLanguage(std::nullopt, ja, german), ja);
    EXPECT_EQ(ChooseLanguage(std::nullopt, en, c), en);
    EXPECT_EQ(ChooseLanguage(std::nullopt, std::nullopt, german), en);
    EXPECT_EQ(ChooseLanguage(std::nullopt, std::nullopt, c), ja);
}

TEST(Language, LangOptionTakesJapaneseOrEnglishOnly)
{
    const struct {
        QStringList arguments;
        QString language;   // as parsed; the option's value
        bool error;
    } rows[] = {
        {{"--lang", "en"}, "en", false},
        {{"--lang=ja"}, "ja", false},
        {{"--data-dir", "/tmp/x", "--lang", "ja"}, "ja", false},
        {{"--lang"}, "", true},
        {{"--lang", "fr"}, "", true},
        {{"--lang="}, "", true},
        {{"--lang", "--data-dir"}, "", true},
    };
    for (const auto &row : rows) {
        const CommandLine cl = ParseCommandLine(QStringList{"zorvel-lesson"} + row.arguments);
        const QString what = row.arguments.join(u' ');
        EXPECT_EQ(!cl.error.isEmpty(), row.error) << qPrintable(what);
        if (!row.error) {
            EXPECT_EQ(cl.language, row.language) << qPrintable(what);
        }
    }
    EXPECT_EQ(LanguageOfCode(u"en"), en);
    EXPECT_EQ(LanguageOfCode(u"ja"), ja);
    EXPECT_EQ(LanguageOfCode(u""), std::nullopt);
    EXPECT_EQ(LanguageOfCode(u"english"), std::nullopt);
}

TEST(Language, ChoiceForTheNextStartKeptBesideTheWindowPositions)
{
    TempDir dir;
    WindowPositions::setStoreFile(dir.file("ZR.ini"));
    EXPECT_EQ(StoredLanguage(), std::nullopt);
    WindowPositions::write("Training", QPointF(15, 30));
    StoreLanguage(en);
    EXPECT_EQ(StoredLanguage(), en);
    StoreLanguage(ja);
    EXPECT_EQ(StoredLanguage(), ja);
    // Back to the desktop's language; the window positions stay.
    StoreLanguage(std::nullopt);
    EXPECT_EQ(StoredLanguage(), std::nullopt);
    EXPECT_TRUE(WindowPositions::read("Training"));
    // A value edited by hand to something unknown counts as no choice.
    WindowPositions::writeValue("Interface", "Language", "klingon");
    EXPECT_EQ(StoredLanguage(), std::nullopt);
    WindowPositions::setStoreFile(QString());
}
