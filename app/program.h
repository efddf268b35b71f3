#pragma once

#include "content/content_table.h"
#include "explain/picture_windows.h"
#include "quiz/content_source.h"
#include "quiz/program_commands.h"
#include "ui/deferred.h"

#include <memory>

namespace content {
class ContentStore;
}

namespace ui {
class Platform;
}

namespace keb {

class MainWindow;
class PictureWindow;
class SettingsWindow;

// The running program: owns its windows, creating each on first use and only once, and the
// content they show, and gives each window what it asks of the others. Nothing of it is global,
// so every test can build a fresh one.
class Program : public ContentSource, public PictureWindows, public ProgramCommands {
public:
    explicit Program(ui::Platform& platform,
                     content::ContentTable table = content::builtinContent());
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() override;

    // Creates the quiz window, puts the task on screen and shows the window.
    void start();

    MainWindow& mainWindow() const;
    // The content store, created on its first read.
    const content::ContentStore& danni() override;
    // The picture store and view, created hidden on first use.
    PictureWindow& pictureWindow() override;
    bool hasPictureWindow() const override { return pictureWindow_ != nullptr; }

    // The colour and font window while it is open, else null.
    SettingsWindow* settingsWindow() const { return settings_.get(); }
    // Opens the settings window, or brings the open one to the front.
    void showSettings() override;

    // Ends the program: every window goes, nothing is asked or saved.
    void end() override;

private:
    // The settings window has closed: it goes, and the next opening makes a new one.
    void settingsClosed();

    // The members go in the reverse of their order here, each before those it works on: the
    // windows before the content, the settings window before the quiz window it sets.
    ui::Platform& platform_;
    content::ContentTable table_;
    std::unique_ptr<content::ContentStore> danni_;
    std::unique_ptr<PictureWindow> pictureWindow_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<SettingsWindow> settings_;
    // A closed settings window waits here for the end of the event that closed it: it closes
    // from inside its own handlers.
    std::unique_ptr<SettingsWindow> closedSettings_;
    ui::Deferred deferred_;
    bool ended_ = false;
};

} // namespace keb
