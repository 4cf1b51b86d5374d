#pragma once

#include <QDialog>

#include "app/ui/form.h"

namespace kestrum {

class TlumButton;
class TlumCheckBox;
class TlumEdit;

// "Use another FFmpeg": the path of another encoder executable, and whether
// to ignore it ("Don't use it"). The caller fills both and reads them back
// only when the dialog ends with mrOk.
class TfrmUseFFmpeg : public TForm<QDialog> {
    Q_OBJECT

public:
    explicit TfrmUseFFmpeg(QWidget* owner);

    TlumEdit* Edit1;
    TlumButton* bBrowser;
    TlumCheckBox* cbNotUseAnother;
    TlumButton* bDefault;
    TlumButton* bOK;
    TlumButton* bCancel;

    void bBrowserClick();
    void bDefaultClick();
    void bOKClick();

protected:
    void FormShow() override;
};

}  // namespace kestrum
