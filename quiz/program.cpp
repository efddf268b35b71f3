#include "quiz/program.h"

#include "explain/picture_window.h"
#include "quiz/main_window.h"
#include "settings/settings_window.h"
#include "ui/platform.h"

#include <cassert>
#include <utility>

namespace keb {

Program::Program(ui::Platform& platform, content::ContentTable table)
    : platform_(platform), table_(std::move(table)) {}

Program::~Program() = default;

void Program::start() {
    assert(!main_);
    main_ = std::make_unique<MainWindow>(*this);
    main_->Form_Load();
    main_->form.centreOnScreen();
    main_->form.showModeless();
}

MainWindow& Program::mainWindow() const {
    assert(main_);
    return *main_;
}

const content::ContentStore& Program::danni() {
    if (!danni_) {
        danni_ = std::make_unique<content::ContentStore>(std::move(table_)); // read only once
    }
    return *danni_;
}

PictureWindow& Program::pictureWindow() {
    if (!pictures_) {
        pictures_ = std::make_unique<PictureWindow>(danni());
    }
    return *pictures_;
}

void Program::showSettings() {
    closedSettings_.reset();
    if (!settings_) {
        settings_ = std::make_unique<SettingsWindow>(*this);
        settings_->Form_Load();
        settings_->form.centreOnScreen();
    }
    settings_->form.bringToFront();
}

void Program::settingsClosed() {
    if (settings_) {
        settings_->form.hide();
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
    if (pictures_) {
        pictures_->form.hide();
    }
    if (main_) {
        main_->form.hide();
    }
    platform_.endProcess();
}

} // namespace keb
