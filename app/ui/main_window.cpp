#include "app/ui/main_window.h"

#include <QString>

#include "app/core/string_table.h"

namespace kestrum {

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(
        QString::fromUtf8(texts::kAppTitle.data(), static_cast<int>(texts::kAppTitle.size())));
    setFixedSize(kClientWidth, kClientHeight);
}

}  // namespace kestrum
