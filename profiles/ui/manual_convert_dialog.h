#pragma once

#include <QDialog>

#include "app/ui/form.h"

class QLineEdit;

namespace kestrum {

class TlumButton;

// "Manual conversion": the user types encoder options and an output
// extension; the read-only preview shows the manual command that OK hands
// back (the main window then puts it into the profile box). Opened with the
// profile box's caption, whose manual command, if it holds one, fills the
// two edits when the dialog is shown.
class TfrmManualConvert : public TForm<QDialog> {
    Q_OBJECT

public:
    TfrmManualConvert(QWidget* owner, const QString& profileCaption);

    QLineEdit* eCommandLine;
    QLineEdit* eOutputFile;
    QLineEdit* Edit1;  // the preview
    TlumButton* bOK;
    TlumButton* bCancel;

    void eCommandLineChange();
    void bOKClick();

protected:
    void FormShow() override;

private:
    QString profileCaption_;
};

}  // namespace kestrum
