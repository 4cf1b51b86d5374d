#include "app/ui/shell_service.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "app/ui/service_slot.h"

namespace kestrum {
namespace {

class DesktopShell : public ShellService {
public:
    void Open(const QString& target) override {
        QDesktopServices::openUrl(QUrl::fromUserInput(target, QDir::currentPath()));
    }
};

ServiceSlot<ShellService> slot;

}  // namespace

ShellService& Shell() {
    static DesktopShell desktop;
    return slot.Get(desktop);
}

ShellService* ReplaceShell(ShellService* service) {
    return slot.Replace(service);
}

}  // namespace kestrum
