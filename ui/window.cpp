#include "ui/window.h"

#include "detail/accessibility.h"
#include "detail/news.h"
#include "detail/qt_convert.h"
#include "ui/menu_command.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace ui {

using namespace detail;

class FormWidget : public QMainWindow {
public:
    explicit FormWidget(Window& owner) : owner_(owner) {
        auto* client = new QWidget(this);
        client->setObjectName(QStringLiteral("client"));
        client->setAutoFillBackground(true);
        setCentralWidget(client);
        // The window takes exactly the size of its client area plus the menu bar.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        // Shift+F10 opens the focused control's context menu, as the Menu key does.
        connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated,
                this, [] {
                    QWidget* focus = QApplication::focusWidget();
                    if (!focus || !focus->isEnabled()) {
                        return;
                    }
                    const QPoint at =
                        focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
                    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
                    QApplication::sendEvent(focus, &menu);
                });
    }

    std::function<void()> closeBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMainWindow::showEvent(event);
        owner_.frameMayHaveChanged();
    }

    void moveEvent(QMoveEvent* event) override {
        QMainWindow::moveEvent(event);
        owner_.frameMayHaveChanged();
    }

    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (closeBox) {
            closeBox();
        }
    }

private:
    Window& owner_;
};

namespace {

Qt::WindowFlags flagsFor(WindowStyle style) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags |= style == WindowStyle::FixedTool ? Qt::Tool : Qt::Window;
    return flags;
}

int frameExtraWidth(const QWidget* w) {
    return w->frameGeometry().width() - w->width();
}

int frameExtraHeight(const QWidget* w) {
    return w->frameGeometry().height() - w->height();
}

int menuHeight(const QMainWindow* w) {
    QMenuBar* bar = w->menuWidget() ? qobject_cast<QMenuBar*>(w->menuWidget()) : nullptr;
    return bar && !bar->isHidden() ? bar->sizeHint().height() : 0;
}

QRect availableScreen(const QWidget* w) {
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Whether a window may choose its own place on the screen: not where the compositor places
// every window.
bool canPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

Window::Window(const std::string& objectName, WindowStyle style, const Font& font)
    : form_(std::make_unique<FormWidget>(*this)), news_(new detail::News(form_.get())) {
    detail::installAccessibility(); // before any control is made
    form_->setObjectName(toQt(objectName));
    if (!font.face.empty()) {
        setFont(font);
    }
    form_->setWindowFlags(flagsFor(style));
    form_->setAttribute(Qt::WA_QuitOnClose, false);
}

Window::~Window() {
    // Controls notify their handlers no more while the window is taken down.
    const auto children = form_->findChildren<QWidget*>();
    for (QWidget* child : children) {
        child->blockSignals(true);
    }
    form_.reset();
}

void Window::setCaption(const std::string& caption) {
    form_->setWindowTitle(toQt(caption));
}

std::string Window::caption() const {
    return fromQt(form_->windowTitle());
}

void Window::setClientSize(int widthTwips, int heightTwips) {
    askedOuterWidth_ = 0;
    askedOuterHeight_ = 0;
    form_->centralWidget()->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    form_->adjustSize();
}

int Window::clientWidth() const {
    return pixelsToTwips(form_->centralWidget()->width());
}

int Window::clientHeight() const {
    return pixelsToTwips(form_->centralWidget()->height());
}

void Window::setOuterWidth(int twips) {
    askedOuterWidth_ = twips;
    fitOuterSize();
}

void Window::setOuterSize(int widthTwips, int heightTwips) {
    askedOuterWidth_ = widthTwips;
    askedOuterHeight_ = heightTwips;
    fitOuterSize();
}

void Window::frameMayHaveChanged() {
    const QRect outer = form_->frameGeometry();
    const QRect inner = form_->geometry();
    const std::array<int, 4> frame{inner.left() - outer.left(), inner.top() - outer.top(),
                                   outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    if (frame == frame_) {
        return;
    }
    frame_ = frame;
    fitOuterSize();
    if (centred_) {
        placeCentred();
    }
}

void Window::fitOuterSize() {
    QWidget* client = form_->centralWidget();
    bool changed = false;
    if (askedOuterWidth_ > 0) {
        const int w = std::max(twipsToPixels(askedOuterWidth_) - frameExtraWidth(form_.get()), 0);
        if (w != client->width()) {
            client->setFixedWidth(w);
            changed = true;
        }
    }
    if (askedOuterHeight_ > 0) {
        const int h = std::max(twipsToPixels(askedOuterHeight_) - frameExtraHeight(form_.get()) -
                                   menuHeight(form_.get()),
                               0);
        if (h != client->height()) {
            client->setFixedHeight(h);
            changed = true;
        }
    }
    if (changed) {
        form_->adjustSize();
    }
}

int Window::outerWidth() const {
    return readBack(askedOuterWidth_, form_->frameGeometry().width());
}

int Window::outerHeight() const {
    return readBack(askedOuterHeight_, form_->frameGeometry().height());
}

void Window::setBackColor(ColourNumber colour) {
    QWidget* client = form_->centralWidget();
    QPalette p = client->palette();
    p.setColor(QPalette::Window, toQColor(colour));
    client->setPalette(p);
}

ColourNumber Window::backColor() const {
    return fromQColor(form_->centralWidget()->palette().color(QPalette::Window));
}

void Window::setFont(const Font& font) {
    form_->setFont(toQFont(font));
}

void Window::setFontFace(const std::string& face) {
    QFont f = form_->font();
    f.setFamilies({toQt(face)});
    form_->setFont(f);
}

Font Window::font() const {
    return Font{fromQt(form_->font().family()), form_->font().pointSizeF()};
}

void Window::setIcon(const std::vector<const char* const*>& images) {
    QIcon icon;
    for (const char* const* xpm : images) {
        icon.addPixmap(QPixmap(xpm));
    }
    form_->setWindowIcon(icon);
}

MenuCommand& Window::addMenuCommand(const std::string& objectName, const std::string& caption,
                                    const std::string& shortcut) {
    menu_.push_back(std::make_unique<MenuCommand>(form_->menuBar(), objectName, caption, shortcut));
    form_->adjustSize();
    return *menu_.back();
}

// Where the compositor places the windows, as on Wayland, a window cannot place itself: the
// compositor's placement stands.
void Window::centreOnScreen() {
    if (!canPlaceWindows()) {
        return;
    }
    centred_ = true;
    placeCentred();
}

// Centred on the screen's free area when the window fits it; where it does not, its top-left
// corner, and with it the caption and the menu bar, stays on the screen.
void Window::placeCentred() {
    form_->adjustSize();
    const QRect screen = availableScreen(form_.get());
    if (screen.isEmpty()) {
        return;
    }
    QRect frame = form_->frameGeometry();
    frame.moveCenter(screen.center());
    if (frame.width() > screen.width()) {
        frame.moveLeft(screen.left());
    }
    if (frame.height() > screen.height()) {
        frame.moveTop(screen.top());
    }
    form_->move(frame.topLeft());
}

// A window left at the system's default place is moved only if its top-left corner would be
// off the screen's free area.
void Window::keepTopLeftOnScreen() {
    if (!canPlaceWindows() || centred_) {
        return;
    }
    const QRect screen = availableScreen(form_.get());
    const QRect frame = form_->frameGeometry();
    if (screen.isEmpty() || screen.contains(frame.topLeft())) {
        return;
    }
    form_->move(std::clamp(frame.left(), screen.left(), screen.right()),
                std::clamp(frame.top(), screen.top(), screen.bottom()));
}

void Window::showModeless() {
    form_->show();
    // Where the toolkit draws the frame itself, as on Wayland, its size is known only now.
    frameMayHaveChanged();
    keepTopLeftOnScreen();
}

void Window::hide() {
    form_->hide();
}

bool Window::isVisible() const {
    return form_->isVisible();
}

void Window::bringToFront() {
    showModeless();
    form_->raise();
    form_->activateWindow();
}

void Window::announce(const std::string& text) {
    news_->add(toQt(text));
}

void Window::onCloseBox(std::function<void()> handler) {
    form_->closeBox = std::move(handler);
}

QWidget* Window::widget() const {
    return form_.get();
}

QWidget* Window::clientArea() const {
    return form_->centralWidget();
}

} // namespace ui
