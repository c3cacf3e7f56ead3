#include "core/draws/DrawStore.h"
