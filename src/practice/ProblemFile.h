#pragma once

// The problem file format lives with the learner's files in userdata/, where the
// registration of a learner's problem files reads their titles. This header keeps
// includes of its former place building.
#include "userdata/ProblemFile.h"
