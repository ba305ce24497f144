#pragma once

#include "model/Plan.h"

// The two plans that the kill loop saves in turn: different from the first byte after the
// signature line on, and large enough (some 20 KiB) that a save takes a while.
Plan KillLoopPlan(int which);
