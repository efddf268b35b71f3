#pragma once

#include "content/content_store.h"
#include "content/content_table.h"
#include "ui/deferred.h"

#include <memory>

namespace ui {
class Platform;
}

namespace keb {

class MainWindow;
class PictureWindow;
class SettingsWindow;

// The running program: owns its windows, creating each on first use and only once, and the
// content they show. Nothing of it is global, so every test can build a fresh one.
class Program {
public:
    explicit Program(ui::Platform& platform,
                     content::ContentTable table = content::builtinContent());
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Creates the quiz window, puts the task on screen and shows the window.
    void start();

    MainWindow& mainWindow() const;
    // The content store, created on its first read.
    const content::ContentStore& danni();
    bool hasContentStore() const { return danni_ != nullptr; }
    // The picture store and view, created hidden on first use.
    PictureWindow& pictureWindow();
    bool hasPictureWindow() const { return pictures_ != nullptr; }

    // The colour and font window while it is open, else null.
    SettingsWindow* settingsWindow() const { return settings_.get(); }
    // Opens the settings window, or brings the open one to the front.
    void showSettings();
    // The settings window has closed: it goes, and the next opening makes a new one.
    void settingsClosed();

    // Ends the program: every window goes, nothing is asked or saved.
    void end();
    bool hasEnded() const { return ended_; }

    ui::Platform& platform() const { return platform_; }

private:
    ui::Platform& platform_;
    content::ContentTable table_;
    std::unique_ptr<content::ContentStore> danni_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<PictureWindow> pictures_;
    std::unique_ptr<SettingsWindow> settings_;
    // A closed settings window waits here for the end of the event that closed it: it closes
    // from inside its own handlers.
    std::unique_ptr<SettingsWindow> closedSettings_;
    ui::Deferred deferred_;
    bool ended_ = false;
};

} // namespace keb
