#pragma once

#include <QStringList>

namespace zr {

// zrtool log runs|keys|export|import: the practice log of a learner. FILE is a
// learner's folder or the log file itself. The status: 0 on success; 2, after one line
// "zrtool: ..." on standard error, on bad input, a missing log (import makes one) or a
// damaged one.
int RunLogCommand(const QStringList &args);

}  // namespace zr
