#pragma once

#include <QDialog>

#include "app/ui/form.h"

namespace kestrum {

class TLabel;
class TlumButton;

// "About Zude Ridaz Avovozozi": the product title, the version, the vendor's
// notice, e-mail and web address (a link to the home page).
class TfrmAbout : public TForm<QDialog> {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* owner);

    TLabel* Label1;
    TLabel* lbEAddress;
    TlumButton* bOK;

    void lbEAddressClick();

protected:
    void FormShow() override;
};

}  // namespace kestrum
