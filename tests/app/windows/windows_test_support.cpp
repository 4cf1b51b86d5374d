#include "windows_test_support.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

namespace kestrum::test {

#ifdef _WIN32
SettingsPutAside::SettingsPutAside()
    : file_(SettingsStore::SettingsFile()), aside_(file_ + ".put-aside-by-test") {
    std::error_code ignored;
    std::filesystem::rename(file_, aside_, ignored);
}

SettingsPutAside::~SettingsPutAside() {
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    std::filesystem::rename(aside_, file_, ignored);
}
#endif

void WindowsTest::StoreSettings(const std::string& content) {
    std::filesystem::create_directories(SettingsFolder());
    WriteFile(SettingsFile(), content);
}

std::unique_ptr<QTimer> RunEvery(int intervalMs, const std::function<bool()>& step) {
    auto timer = std::make_unique<QTimer>();
    // Stopped while `step` runs, which may run an event loop of its own.
    QObject::connect(timer.get(), &QTimer::timeout, [timer = timer.get(), step] {
        timer->stop();
        if (!step()) {
            timer->start();
        }
    });
    timer->start(intervalMs);
    return timer;
}

void WhenModalOpens(const std::function<void(QDialog&)>& action) {
    auto* timer = new QTimer(QApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, action, waited = 0]() mutable {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // The dialog takes the focus only once it is activated, which a busy
        // machine may deliver some ticks after the dialog appears.
        const bool ready = dialog != nullptr && dialog->isActiveWindow();
        if (!ready && ++waited < 500) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        action(*dialog);
    });
    timer->start(10);
}

}  // namespace kestrum::test
