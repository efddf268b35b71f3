#pragma once

#include "content/content_store.h"
#include "content/content_table.h"
#include "explain/explanation.h"
#include "explain/phrase_pictures.h"
#include "quiz/program_commands.h"
#include "settings/settings_record.h"
#include "ui/deferred.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {
class Platform;
}

namespace keb {

class MainWindow;
class PictureWindow;
class SettingsWindow;

// The running program: owns its windows and the content they show, and gives each window what
// it asks of the others. The quiz window comes at the start; the colour window with each
// opening; the picture window, which the picture slots keep, on its first use. Nothing of it is
// global, so every test can build a fresh one.
class Program : public ProgramCommands {
public:
    // The program shows the content of the table, and its settings record starts as given: the
    // colour window's defaults, at every start of the process.
    explicit Program(ui::Platform& platform,
                     content::ContentTable table = content::builtinContent(),
                     std::vector<std::string> settingsRecord = defaultRecord());
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() override;

    // Creates the quiz window, puts the task on screen and shows the window.
    void start();

    MainWindow& mainWindow() const;
    // KEB_danni, the content store.
    const content::ContentStore& contentStore() const { return content_; }
    // The picture store and view, created hidden on first use.
    PictureWindow& pictureWindow() { return pictures_.pictureWindow(); }
    bool hasPictureWindow() const { return pictures_.hasPictureWindow(); }

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
    // windows before their procedures and the content, the settings window before the quiz
    // window it sets.
    ui::Platform& platform_;
    const content::ContentStore content_;
    const std::vector<std::string> settingsRecord_;
    PhrasePictures pictures_;
    Explanation explanations_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<SettingsWindow> settings_;
    // A closed settings window waits here for the end of the event that closed it: it closes
    // from inside its own handlers.
    std::unique_ptr<SettingsWindow> closedSettings_;
    ui::Deferred deferred_;
    bool ended_ = false;
};

} // namespace keb
