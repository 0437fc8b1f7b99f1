#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// zrtool log runs|keys|weak|export|import: the practice log of a learner. FILE is a
// learner's folder or the log file itself. The status: 0 on success; 2, after one line
// "zrtool: ..." on standard error, on bad input, a missing log (import makes one) or a
// damaged one.
// appDir: the installation folder (weak reads the course's lesson table there).
int RunLogCommand(const QStringList &args, const QString &appDir);

}  // namespace zr
