#pragma once

#include "ui/platform.h"

#include <memory>

class QApplication;

namespace ui {

// Draws every control in the colours the program gives it, on every platform: the toolkit's
// Fusion style, as on Linux. The Windows styles paint selections, hovered rows and focus frames
// in the theme's own colours, over the lists' colours that the colour window sets. Call it once,
// after the toolkit's application object exists.
void useTheProgramsLook();

// The toolkit's application object and its event loop, for the program's entry point.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Platform& platform() { return platform_; }
    int run();

private:
    std::unique_ptr<QApplication> app_;
    ToolkitPlatform platform_;
};

} // namespace ui
