#include "platform/Language.h"

#include "platform/WindowPositions.h"

namespace zr {

QString LanguageCode(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<UiLanguage> LanguageOfCode(QStringView code)
{
    if (code.compare(u"ja", Qt::CaseInsensitive) == 0)
        return UiLanguage::Japanese;
    if (code.compare(u"en", Qt::CaseInsensitive) == 0)
        return UiLanguage::English;
    return std::nullopt;
}

UiLanguage SystemLanguage(const QStringList &uiLanguages)
{
    // The C locale reports "C" (or nothing); the program's own language is the natural
    // one there, and every script and check that runs under it keeps its texts.
    const QString first = uiLanguages.value(0).trimmed();
    if (first.isEmpty() || first == u"C" || first == u"POSIX" || first.startsWith(u"C.")
        || first.startsWith(u"C-"))
        return UiLanguage::Japanese;
    const QString language = first.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0);
    return language.compare(u"ja", Qt::CaseInsensitive) == 0 ? UiLanguage::Japanese : UiLanguage::English;
}

UiLanguage ChooseLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> stored,
                          const QStringList &uiLanguages)
{
    if (commandLine)
        return *commandLine;
    if (stored)
        return *stored;
    return SystemLanguage(uiLanguages);
}

namespace {

const QString kSection = QStringLiteral("Interface");
const QString kKey = QStringLiteral("Language");

}  // namespace

std::optional<UiLanguage> StoredLanguage()
{
    return LanguageOfCode(WindowPositions::readValue(kSection, kKey).trimmed());
}

void StoreLanguage(std::optional<UiLanguage> language)
{
    WindowPositions::writeValue(kSection, kKey, language ? LanguageCode(*language) : QString());
}

}  // namespace zr
