// Reaches up into the windows and round into analysis, which reaches back.
#include "core/analysis/Ranking.h"
#include "gui/draws/LDbase.h"
