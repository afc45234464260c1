#pragma once

#include "app/looks.h"

namespace nakkas {

// Maps a stored "ApplicationLook" number to a Fusion palette for the whole application.
void applyLook(int look);

}  // namespace nakkas
