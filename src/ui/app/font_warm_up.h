#pragma once

#include <thread>

namespace nakkas {

// Reads the system's font configuration on a second core while Qt sets up the platform. The
// first text the window measures would otherwise wait for it: parsing the configuration files
// and font caches is the largest single cost before the first paint.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration is read. Call before the first widget measures its text, so
    // that Qt never reads the configuration a second time alongside.
    void wait();

private:
    std::thread m_thread;
};

}  // namespace nakkas
