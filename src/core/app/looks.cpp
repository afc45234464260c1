#include "app/looks.h"

#include <algorithm>
#include <string>

#include "app/program_settings.h"
#include "platform/services.h"

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

LookSetting::LookSetting(Services& services)
    : m_services(services),
      m_look(knownLook(services.readInt(std::string(kLookKey), kDefaultLook))) {}

bool LookSetting::choose(int look) {
    look = knownLook(look);
    if (look == m_look) return false;
    m_look = look;
    return true;
}

Outcome LookSetting::store() {
    m_services.writeInt(std::string(kLookKey), m_look);
    if (m_services.commitSettings()) return Outcome::done();
    return showRefusal(m_services, settingsWriteFailedText(m_services.settingsLocation()));
}

}  // namespace nakkas
