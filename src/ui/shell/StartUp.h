#pragma once

#include "platform/Paths.h"
#include "userdata/Startup.h"

class QApplication;

namespace zr {

// The conversion windows as the start-up check shows them.
class ConversionWindowsOnScreen : public ConversionWindows {
public:
    void showConversion(int version, const QString &folder) override;
};

// The steps before the main window, once the folders are known: the move of the
// single-learner layout and the check and conversion of every learner's data. False
// when the program is to end.
bool PrepareUserData();

// The whole program after the command line has been read: one instance per data folder,
// the start-up steps, the main window until it closes. Returns the exit status.
int RunZorvelLesson(QApplication &app, const CommandLine &commandLine);

}  // namespace zr
