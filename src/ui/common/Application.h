#pragma once

class QApplication;

namespace zr {

// Sets the application up the way every window expects it: Japanese fonts (with the
// face names the settings store mapped to installed fonts), Qt's own texts in Japanese,
// message boxes and sounds through the program's gateways.
void SetUpApplication(QApplication &app);

// The face names the settings store, and what they stand for on this system.
inline constexpr char16_t kProportionalGothic[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kFixedGothic[] = u"ＭＳ ゴシック";

}  // namespace zr
