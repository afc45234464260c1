#pragma once

// The widgets cross between UTF-8 and QString through the same two converters as the host
// services: qs() and us().
#include "qt_utf8.h"
