#include "app/ui/shell_service.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace kestrum {
namespace {

class DesktopShell : public ShellService {
public:
    void Open(const QString& target) override {
        QDesktopServices::openUrl(QUrl::fromUserInput(target, QDir::currentPath()));
    }
};

ShellService* replacement = nullptr;

}  // namespace

ShellService& Shell() {
    static DesktopShell desktop;
    return replacement != nullptr ? *replacement : desktop;
}

ShellService* ReplaceShell(ShellService* service) {
    return std::exchange(replacement, service);
}

}  // namespace kestrum
