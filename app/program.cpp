#include "app/program.h"

#include "content/content_store.h"
#include "explain/explanation.h"
#include "explain/picture_slots.h"
#include "explain/picture_window.h"
#include "quiz/main_window.h"
#include "quiz/quiz_view.h"
#include "settings/settings_record.h"
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
    main_ = std::make_unique<MainWindow>(*this, *this, defaultRecord(), [this](QuizView& view) {
        auto pictures = std::make_unique<PictureSlots>(view, *this, *this);
        auto explanations = std::make_unique<Explanation>(view, *this, *pictures);
        return MainWindow::Procedures{std::move(pictures), std::move(explanations)};
    });
    main_->Form_Load();
    main_->show();
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
    if (!pictureWindow_) {
        pictureWindow_ = std::make_unique<PictureWindow>(danni());
    }
    return *pictureWindow_;
}

void Program::showSettings() {
    closedSettings_.reset();
    if (!settings_) {
        settings_ =
            std::make_unique<SettingsWindow>(*main_, platform_, [this] { settingsClosed(); });
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
    if (pictureWindow_) {
        pictureWindow_->form.hide();
    }
    if (main_) {
        main_->hide();
    }
    platform_.endProcess();
}

} // namespace keb
