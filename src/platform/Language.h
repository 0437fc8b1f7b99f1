#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

// The languages of the interface. Japanese is the program's own; English is a
// translation loaded over it.
enum class UiLanguage { Japanese, English };

// "ja" and "en", as --lang takes them and ZR.ini stores them.
QString LanguageCode(UiLanguage language);
// The language of a code ("ja", "en", any case); nothing for another text.
std::optional<UiLanguage> LanguageOfCode(QStringView code);

// The language the system asks for: Japanese when its first interface language is
// Japanese ("ja", "ja-JP", "ja_JP.UTF-8") and for the C and POSIX locales (no language
// at all), English when another language comes first.
UiLanguage SystemLanguage(const QStringList &uiLanguages);

// The language to start in: --lang first, then the choice stored from the Help menu,
// then the system's languages.
UiLanguage ChooseLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> stored,
                          const QStringList &uiLanguages);

// The language chosen for the next start, kept for the whole installation beside the
// window positions ("ZR.ini", section "Interface", key "Language"); nothing means the
// system's.
std::optional<UiLanguage> StoredLanguage();
void StoreLanguage(std::optional<UiLanguage> language);

}  // namespace zr
