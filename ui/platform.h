#pragma once

#include <string>
#include <vector>

namespace ui {

// What the program asks of the process and the system beyond its windows. Tests put in their
// own, so that ending the program can be observed without ending the test.
class Platform {
public:
    virtual ~Platform();
    // Ends the program at once, once the running handler returns; nothing is asked or saved.
    virtual void endProcess() = 0;
    // The installed screen font families, in the system's own order.
    virtual std::vector<std::string> fontFamilies() const = 0;
};

// The real thing: ends the event loop and lists the fonts the toolkit knows.
class ToolkitPlatform : public Platform {
public:
    void endProcess() override;
    std::vector<std::string> fontFamilies() const override;
};

} // namespace ui
