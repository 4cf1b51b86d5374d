#pragma once

#include <QEvent>
#include <memory>
#include <utility>

#include "convert/core/process_info.h"

namespace kestrum {

// WM_CONVERT_STATUS as a Qt event: one engine notice posted to the progress
// window. The event carries the record; the window takes it out when it
// handles the event, and a notice never handled (the window went first)
// goes with its event.
class ConvertStatusEvent final : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(WM_CONVERT_STATUS);
    static_assert(WM_CONVERT_STATUS >= QEvent::User && WM_CONVERT_STATUS <= QEvent::MaxUser);

    explicit ConvertStatusEvent(std::unique_ptr<TProcessInfo> notice)
        : QEvent(kType), notice_(std::move(notice)) {}

    std::unique_ptr<TProcessInfo> TakeNotice() { return std::move(notice_); }

private:
    std::unique_ptr<TProcessInfo> notice_;
};

}  // namespace kestrum
