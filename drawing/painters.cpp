// Placeholder; the painters go here.
#include "drawing/vehicledrawing.h"
