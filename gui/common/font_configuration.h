#pragma once

#include <thread>

namespace gui::common {

// Reads the system's font configuration on a second thread while the program connects to the
// display, so that the first window measuring its captions finds it loaded. Made before the
// application object; waits for the thread when it goes.
class FontConfigurationLoader
{
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader &) = delete;
    FontConfigurationLoader &operator=(const FontConfigurationLoader &) = delete;

private:
    std::thread thread_;
};

} // namespace gui::common
