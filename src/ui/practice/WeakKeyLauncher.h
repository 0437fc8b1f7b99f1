#pragma once

#include "practice/WeakKeyPractice.h"

#include <memory>

class QWidget;

namespace zr {

// The current learner's weak-key practice; nothing, after a message that says what to
// practise first, when there is none yet.
std::shared_ptr<const WeakKeyPractice> PrepareWeakKeyPractice();

// Runs weak-key practice from the main window, modally: the word practice window with
// the words chosen for the learner's weakest keys, then its result screen.
void StartWeakKeyPractice(QWidget *parent);

}  // namespace zr
