#pragma once

namespace keb {

// What the quiz window's menu asks of the program that owns the windows.
class ProgramCommands {
public:
    virtual ~ProgramCommands() = default;
    // Ends the program at once: every window goes, nothing is asked or saved.
    virtual void end() = 0;
    // Opens the colour and font window, or brings the open one to the front.
    virtual void showSettings() = 0;
};

} // namespace keb
