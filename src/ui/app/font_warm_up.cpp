#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace nakkas {

FontWarmUp::FontWarmUp() {
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: Qt reads the configuration itself when it first needs a font.
    }
}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::wait() {
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace nakkas
