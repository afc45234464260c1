#pragma once

#include <span>
#include <string_view>

#include "tools/outcome.h"

namespace nakkas {

class Services;

// The visual styles kept as "ApplicationLook".
struct Look {
    int id;
    std::string_view name;
};

inline constexpr int kDefaultLook = 216;
inline constexpr std::string_view kLookKey = "ApplicationLook";

std::span<const Look> looks();
// The stored number when it names a style, otherwise the default.
int knownLook(int stored);

// The stored style: read once, and stored again each time the user picks another.
class LookSetting {
public:
    explicit LookSetting(Services& services);

    int current() const { return m_look; }

    // Makes a style the current one; a number that names no style picks the default. True when
    // that changed the style, which the window then shows before it stores it.
    bool choose(int look);
    // Stores the current style. When the store cannot be written the style is still used for
    // this run, and the refusal carries the message shown.
    Outcome store();

private:
    Services& m_services;
    int m_look;
};

}  // namespace nakkas
