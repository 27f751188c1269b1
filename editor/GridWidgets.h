#pragma once

// The three grids of the editing page: EditGrid, FrameGrid above it and SlotGrid beside it.
#include "EditGridView.h"
#include "FrameGridView.h"
#include "SlotGridView.h"
