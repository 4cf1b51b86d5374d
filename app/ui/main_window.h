#pragma once

#include <QWidget>

namespace kestrum {

// The program's one main window.
class TfrmMain : public QWidget {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    static constexpr int kClientWidth = 405;
    static constexpr int kClientHeight = 284;
};

}  // namespace kestrum
