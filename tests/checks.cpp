#include "checks.h"

#include <QAccessible>
#include <QAccessibleInterface>
#if KEB_SESSION_BUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <utility>

namespace test {

namespace {

QStringList heardSoFar;
QAccessible::UpdateHandler heardBefore = nullptr;

void hear(QAccessibleEvent* event) {
    QAccessibleInterface* a = event->accessibleInterface();
    if (!a) {
        return;
    }
    if (event->type() == QAccessible::Focus) {
        heardSoFar << "focus: " + a->text(QAccessible::Name);
    } else if (event->type() == QAccessible::ObjectShow && a->role() == QAccessible::Notification) {
        heardSoFar << "news: " + a->text(QAccessible::Name);
    }
}

#if KEB_SESSION_BUS
// A call on the session's screen reader setting, held by the accessibility bus's launcher, which
// the session bus starts for the first call.
QDBusMessage screenReaderSetting(const char* method, const QVariantList& value = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                       "org.freedesktop.DBus.Properties", method);
    call.setArguments(QVariantList{"org.a11y.Status", "ScreenReaderEnabled"} + value);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, kPatience);
}

QDBusMessage setScreenReader(bool on) {
    return screenReaderSetting("Set", {QVariant::fromValue(QDBusVariant(on))});
}
#endif

} // namespace

// Turns assistive technology on for the session, as a screen reader does when it starts: the
// accessibility bus comes up, the setting turns on, and the toolkit's bridge follows it onto the
// bus. Each step is waited for as long as a busy machine needs; a failure names the one missing.
Heard::Heard() : listening_(false) {
#if KEB_SESSION_BUS
    if (platform() == "x11" || platform() == "wayland") {
        const QDBusMessage set = setScreenReader(true);
        const QVariantList got = screenReaderSetting("Get").arguments();
        [&] {
            ASSERT_NE(set.type(), QDBusMessage::ErrorMessage)
                << "the accessibility bus did not come up on the session bus: "
                << set.errorMessage().toStdString();
            ASSERT_TRUE(!got.isEmpty() && got[0].value<QDBusVariant>().variant().toBool())
                << "the session's screen reader setting did not turn on";
            listening_ = QTest::qWaitFor([] { return QAccessible::isActive(); }, kPatience);
            ASSERT_TRUE(listening_)
                << "the toolkit's accessibility bridge did not come onto the accessibility bus";
        }();
    }
#endif
    heardSoFar.clear();
    heardBefore = QAccessible::installUpdateHandler(hear);
}

Heard::~Heard() {
    QAccessible::installUpdateHandler(heardBefore);
#if KEB_SESSION_BUS
    if (listening_) {
        setScreenReader(false);
    }
#endif
}

QStringList Heard::take() {
    letEventsRun();
    return std::exchange(heardSoFar, {});
}

void expectHeard(Heard& heard, const QStringList& expected, int from) {
    QStringList told = heard.take();
    if (!heard.listening()) {
        return;
    }
    told = told.mid(from < 0 ? std::max<qsizetype>(0, told.size() + from) : from);
    EXPECT_EQ(told, expected);
}

void expectKeysBesidePhrases(const Quiz& quiz) {
    const keb::QuizControls& m = quiz.main();
    const auto phraseOf = [&](int side, const ui::ListBox& keys, int row) {
        return quiz.phrase(side, std::stoi(keys.item(row)));
    };
    for (int side = 0; side < 2; ++side) {
        ASSERT_EQ(m.dum_N[side].count(), m.Slowo[side].count());
        for (int p = 0; p < m.Slowo[side].count(); ++p) {
            ASSERT_EQ(phraseOf(side, m.dum_N[side], p), m.Slowo[side].item(p));
        }
    }
    ASSERT_EQ(m.dum_N[2].count(), m.Slowo[2].count());
    ASSERT_EQ(m.dum_N[3].count(), m.Slowo[2].count());
    for (int a = 0; a < m.Slowo[2].count(); ++a) {
        ASSERT_EQ(m.Slowo[2].item(a),
                  phraseOf(0, m.dum_N[2], a) + " " + phraseOf(1, m.dum_N[3], a));
    }
}

QImage saveGrab(QWidget* widget, const char* fileName) {
    const QImage image = widget->grab().toImage();
    const QString dir = QStringLiteral(KEB_SCREENSHOT_DIR "/") + toQ(platform());
    QDir().mkpath(dir);
    image.save(dir + "/" + fileName);
    return image;
}

std::string platform() {
    const QByteArray name = qgetenv("KEB_TEST_PLATFORM");
    return name.isEmpty() ? std::string("offscreen") : name.toStdString();
}

void expectScrollsOnlyUpAndDown(QListWidget* list) {
    SCOPED_TRACE(fromQ(list->objectName()));
    ASSERT_TRUE(list->isVisible());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    const int frame = list->frameWidth();
    const QScrollBar* bar = list->verticalScrollBar();
    EXPECT_EQ(list->viewport()->height(), list->height() - 2 * frame);
    EXPECT_EQ(list->viewport()->width(),
              list->width() - 2 * frame - (bar->isVisible() ? bar->width() : 0));
    if (list->count() == 0) {
        return;
    }
    list->scrollToTop();
    const QRect viewport = list->viewport()->rect();
    const int rowHeight = list->visualItemRect(list->item(0)).height();
    ASSERT_GT(rowHeight, 0);
    const int fitting = std::min(viewport.height() / rowHeight, list->count());
    EXPECT_GE(fitting, 1);
    for (int row = 0; row < fitting; ++row) {
        const QRect r = list->visualItemRect(list->item(row));
        EXPECT_TRUE(viewport.contains(r)) << "row " << row;
        EXPECT_EQ(r.left(), 0) << "row " << row;
        EXPECT_EQ(r.width(), viewport.width()) << "row " << row;
        // The row's lower right corner, where a sideways bar or the list's end would cut it.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.bottomRight() - QPoint(2, 1));
        EXPECT_EQ(selectedRowOf(list), row);
    }
    // A row cut by the foot takes a click on the part that shows.
    if (list->count() > fitting && viewport.height() % rowHeight > 2) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(viewport.width() / 2, viewport.height() - 2));
        EXPECT_EQ(selectedRowOf(list), fitting);
    }
}

double footInListColours(QListWidget* list, QWidget* window, const QImage& rendering) {
    const QWidget* viewport = list->viewport();
    const qreal ratio = rendering.devicePixelRatio();
    const QPalette& palette = list->palette();
    const QColor own[] = {palette.color(QPalette::Active, QPalette::Base),
                          palette.color(QPalette::Inactive, QPalette::Base),
                          palette.color(QPalette::Active, QPalette::Highlight),
                          palette.color(QPalette::Inactive, QPalette::Highlight)};
    const int y = qRound((viewport->mapTo(window, QPoint(0, viewport->height())).y() - 1) * ratio);
    const int left = qRound(viewport->mapTo(window, QPoint(0, 0)).x() * ratio);
    const int right = qRound(viewport->mapTo(window, QPoint(viewport->width(), 0)).x() * ratio);
    int inOwn = 0;
    for (int x = left; x < right; ++x) {
        const QColor c = rendering.pixelColor(x, y);
        inOwn += std::find(std::begin(own), std::end(own), c) != std::end(own) ? 1 : 0;
    }
    return right > left ? static_cast<double>(inOwn) / (right - left) : 0.0;
}

} // namespace test
