#include "app/program.h"

#include "explain/picture_window.h"
#include "quiz/main_window.h"
#include "settings/settings_window.h"
#include "ui/platform.h"

#include <cassert>
#include <utility>

namespace keb {

Program::Program(ui::Platform& platform, content::ContentTable table,
                 std::vector<std::string> settingsRecord)
    : platform_(platform), content_(std::move(table)), settingsRecord_(std::move(settingsRecord)),
      pictures_(content_), explanations_(content_, pictures_) {}

Program::~Program() = default;

void Program::start() {
    assert(!main_);
    main_ =
        std::make_unique<MainWindow>(content_, *this, pictures_, explanations_, settingsRecord_);
    main_->Form_Load();
    main_->show();
}

MainWindow& Program::mainWindow() const {
    assert(main_);
    return *main_;
}

void Program::showSettings() {
    closedSettings_.reset();
    if (!settings_) {
        settings_ =
            std::make_unique<SettingsWindow>(*main_, platform_, [this] { settingsClosed(); });
        settings_->Form_Load();
        settings_->centreOnScreen();
    }
    settings_->bringToFront();
}

void Program::settingsClosed() {
    if (settings_) {
        settings_->hide();
        closedSettings_ = std::move(settings_);
        deferred_.post([this] { closedSettings_.reset(); });
    }
}

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    settingsClosed();
    if (hasPictureWindow()) {
        pictureWindow().hide();
    }
    if (main_) {
        main_->hide();
    }
    platform_.endProcess();
}

} // namespace keb
