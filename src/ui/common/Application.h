#pragma once

#include "platform/Language.h"

#include <QString>

class QApplication;

namespace zr {

// Sets the application up the way every window expects it: Japanese fonts (with the
// face names the settings store mapped to installed fonts), Qt's own texts in Japanese,
// message boxes and sounds through the program's gateways.
void SetUpApplication(QApplication &app);

// Puts the interface in a language: for English the program's translation
// ("translations/zorvel-lesson_en.qm" in the installation folder appDir) over its own
// Japanese texts, and Qt's own texts (qtbase) in the same language. Replaces what an
// earlier call installed. False when the translation could not be loaded; the
// interface then stays Japanese.
bool InstallTranslations(QApplication &app, UiLanguage language, const QString &appDir);

// The language the interface shows, as InstallTranslations left it.
UiLanguage InterfaceLanguage();

// The file of the program's translation into a language, in the installation folder.
QString TranslationFile(const QString &appDir, UiLanguage language);

// The help document of a language, in the installation folder: "zr.hlp" in Japanese,
// "zr_en.hlp" in English.
QString HelpFileName(UiLanguage language);

// The face names the settings store, and what they stand for on this system.
inline constexpr char16_t kProportionalGothic[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kFixedGothic[] = u"ＭＳ ゴシック";

}  // namespace zr
