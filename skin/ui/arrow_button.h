#pragma once

#include "skin/ui/custom_button.h"

namespace kestrum {

// A small square skinned button that shows a black triangle pointing up or
// down instead of a caption, as beside the profile box.
class TlumArrowButton : public TlumCustomButton {
    Q_OBJECT
    Q_PROPERTY(kestrum::TlumArrow Arrow READ Arrow WRITE SetArrow)

public:
    explicit TlumArrowButton(QWidget* parent = nullptr);

    TlumArrow Arrow() const { return arrow_; }
    void SetArrow(TlumArrow arrow);

    ButtonLook Look() const override;

private:
    TlumArrow arrow_ = TlumArrow::lumUp;
};

}  // namespace kestrum
