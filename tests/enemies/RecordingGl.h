#pragma once
// The recording GL moved to support/; EnemyListTest.cpp still includes it here.
#include "support/RecordingGl.h"
