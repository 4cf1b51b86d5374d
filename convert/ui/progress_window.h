#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/ui/form.h"
#include "convert/core/convert_batch.h"
#include "convert/core/encoder_probe_ahead.h"
#include "convert/core/notice_sink.h"

namespace kestrum {

class TImage;
class TLabel;
class TlumButton;
class TlumProgressBar;

// The modal window a whole batch runs in. It drives the program's one
// TConvertProcess through the batch logic every front end shares, one file
// after the other: the output's name, the place in the batch in the caption,
// the percentage and the two times; Stop ends the batch. It closes itself
// after the last file. The first file starts once the encoder's build is
// known, which the main window has asked ahead; until then the window shows
// and Stop works as ever. The engine's notices reach it as WM_CONVERT_STATUS
// events (it is the runner's NotifyWindow), and an error of a file's Start
// goes to the top-level error handler while the window waits for Stop.
class TfrmConvert : public TForm<QDialog>, public NoticeSink, public BatchView {
    Q_OBJECT

public:
    // The profile's extension, then its arguments, are looked up here, once
    // for the batch; `choices` are the main window's when Convert... ran.
    TfrmConvert(QWidget* owner, std::vector<std::string> files, TConvertProcess& process,
                UserPrompts& prompts, const BatchChoices& choices, EncoderProbeAhead& encoderProbe);

    static constexpr int kClientWidth = 345;
    static constexpr int kClientHeight = 144;

    TLabel* lConvertName;
    TlumProgressBar* lumProgressBar2;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* lTimeElapsed;
    TLabel* lTimeEstimated;
    TImage* Image2;
    TlumButton* bStop;

    // The failed inputs' names, each followed by ", ".
    std::string FailedFiles() const { return batch_.FailedFiles(); }
    // FailedFiles + "file conversion failed.", or empty when none failed.
    std::string FinalMessage() const { return batch_.FinalMessage(); }

    void bStopClick();

    // Posts WM_CONVERT_STATUS to this window.
    void Post(std::unique_ptr<TProcessInfo> notice) override;

    // What the batch shows here.
    void JobStarted(const BatchJob& job) override;
    void JobProgress(const BatchJob& job, const TProcessInfo& notice) override;
    void JobFinished(const BatchJob&, bool) override {}
    void BatchFinished() override;

protected:
    void FormShow() override;
    bool event(QEvent* event) override;
    // Every way the window closes ends here: Stop, its close box, the last file.
    void done(int result) override;

private:
    void FormClose();

    ConvertBatch batch_;
    EncoderProbeAhead& encoderProbe_;
    std::string encoder_;  // the program the batch runs
    // The encoder's answer while the batch waits for it.
    EncoderProbeAhead::Ticket encoderAnswer_;
};

}  // namespace kestrum
