#include "app/looks.h"

#include <algorithm>

namespace nakkas {

namespace {
constexpr Look kLooks[] = {
    {205, "Windows &2000"},
    {206, "Office &XP"},
    {207, "&Windows XP"},
    {208, "Office 200&3"},
    {209, "Visual Studio 200&5"},
    {210, "Visual Studio 200&8"},
    {215, "Office 2007 (&Blue Style)"},
    {216, "Office 2007 (B&lack Style)"},
    {217, "Office 2007 (&Silver Style)"},
    {218, "Office 2007 (&Aqua Style)"},
    {219, "Win&dows 7"},
};
}  // namespace

std::span<const Look> looks() {
    return kLooks;
}

int knownLook(int stored) {
    return std::any_of(std::begin(kLooks), std::end(kLooks),
                       [&](const Look& l) { return l.id == stored; })
               ? stored
               : kDefaultLook;
}

}  // namespace nakkas
