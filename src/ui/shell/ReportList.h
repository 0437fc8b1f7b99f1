#pragma once

class QTreeWidget;

namespace zr {

// The look every list in report view shares: whole rows selected, one at a time, in the
// order they were added, a little taller than the font so that they read easily.
void SetUpReportList(QTreeWidget *list);

}  // namespace zr
