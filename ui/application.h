#pragma once

#include "ui/platform.h"

#include <memory>

class QApplication;

namespace ui {

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
