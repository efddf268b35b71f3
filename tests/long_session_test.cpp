// A long session: the colour window opened and closed two thousand times, each time with a slider
// moved and a size chosen, then saved, cancelled or closed. The window goes at every closing;
// what it leaves behind must not add up.

#include "learner.h"
#include "settings/settings_window.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <cstddef>
#include <cstdio>
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count of the bytes held; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using test::Quiz;

namespace {

constexpr int kWarmUp = 200;
constexpr int kOpenings = 2000;
constexpr long long kMostGrowth = 1024 * 1024;

// The bytes the program holds on its heap.
long long heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long long>(mallinfo2().uordblks);
#endif
}

long long residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

void openAdjustAndClose(const Quiz& quiz, int round) {
    quiz.menu("Cwqt");
    keb::SettingsWindow* settings = quiz.program.settingsWindow();
    ASSERT_NE(settings, nullptr);
    QWidget* window = settings->form.widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* slider = window->findChild<QSlider*>(QStringLiteral("Slider1_%1").arg(round % 3));
    QTest::keyClick(slider, round % 2 ? Qt::Key_PageUp : Qt::Key_PageDown);
    QListWidget* sizes = test::listIn(window, "List_font_1");
    test::clickListRow(sizes, round % sizes->count());
    switch (round % 3) {
    case 0:
        test::clickMenu(window, "mnu_zapis");
        break;
    case 1:
        test::clickMenu(window, "mnu_Otkaz");
        break;
    default:
        window->close();
        break;
    }
    QApplication::processEvents(); // the closed window goes once its own event is handled
    ASSERT_EQ(quiz.program.settingsWindow(), nullptr);
}

} // namespace

TEST(LongSession, TwoThousandOpeningsOfTheColourWindowKeepMemoryFlat) {
    Quiz quiz;
    for (int round = 0; round < kWarmUp; ++round) {
        openAdjustAndClose(quiz, round);
    }
    malloc_trim(0);
    const long long heapBefore = heapInUse();
    const long long residentBefore = residentBytes();
    for (int round = kWarmUp; round < kOpenings; ++round) {
        openAdjustAndClose(quiz, round);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    malloc_trim(0);
    const long long heapGrowth = heapInUse() - heapBefore;
    const long long residentGrowth = residentBytes() - residentBefore;
    std::printf("after %d openings: heap %+lld bytes, resident %+lld bytes since opening %d\n",
                kOpenings, heapGrowth, residentGrowth, kWarmUp);
    EXPECT_LT(heapGrowth, kMostGrowth);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory in quarantine, so the resident size says nothing there.
    EXPECT_LT(residentGrowth, kMostGrowth);
#endif
}
