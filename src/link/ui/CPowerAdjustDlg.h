#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

#include "link/CalibrationSession.h"
#include "link/SerialLink.h"
#include "link/ui/LinkThread.h"
#include "model/RadioData.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace ht57 {

class CalibrationBar;

// The Power Adjust dialog behind High Power and Low Power: six sliders, one
// per calibration value, tuned live on the radio. exec() first opens the
// calibration session; only when that succeeds does the dialog show, with the
// radio's own values. Every release of a slider (mouse button or a scrolling
// key) sends the whole block. OK (and Enter) keeps the values: the radio holds
// them and image bytes 0xFF0..0xFFF receive them. Cancel, Escape and the close
// box send back the values the radio had when the dialog opened and leave the
// image alone; a radio that cannot be reached for that is told. A failed
// exchange closes the link and leaves the dialog open without it.
//
// The serial work runs on a thread of the dialog's own; the window keeps
// painting meanwhile, and a wait cursor shows while the session opens.
class CPowerAdjustDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr std::array<const char*, calibration::kRowCount> kRowNames{"LL", "ML", "HL",
                                                                               "LH", "MH", "HH"};

    // Talks to the radio over the port named in settings (a QSerialPort line).
    CPowerAdjustDlg(RadioData& data, const PortSettings& settings, bool high,
                    QWidget* parent = nullptr);
    // The same over a line of the caller's choosing.
    CPowerAdjustDlg(RadioData& data, const PortSettings& settings, bool high,
                    std::unique_ptr<SerialLink> link, QWidget* parent = nullptr);
    ~CPowerAdjustDlg() override;

    // Opens the session, then runs the dialog. When the session cannot be
    // opened the message is shown, the dialog never appears and Rejected
    // comes back with the image untouched.
    int exec() override;

    // OK keeps the values; every other way out takes them back.
    void accept() override;
    void reject() override;

    // True while the link to the radio is open.
    bool Linked() const;

    QScrollBar* Bar(int row) const;
    QLabel* ValueText(int row) const;

private:
    void BuildRows();
    bool OnInitDialog();
    void OnEndScroll(int row);
    void SendRow(int row);
    void OnClose(bool keep);
    void ShowValue(int row, int value);
    void ShowMessage(LinkOutcome outcome);

    std::unique_ptr<SerialLink> link_;
    std::unique_ptr<CalibrationSession> session_;
    std::unique_ptr<LinkThread> linkThread_;
    bool high_;

    std::array<CalibrationBar*, calibration::kRowCount> bars_{};
    std::array<QLabel*, calibration::kRowCount> values_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    // Kept on this thread; the session's own flags belong to the link thread.
    bool linked_ = false;
    // From the opening until the values are kept or taken back, link or not.
    bool started_ = false;
    // A release that came while an exchange was on the line; sent after it.
    std::optional<int> pendingRow_;
    // A close asked for during an exchange: whether it keeps the values.
    std::optional<bool> closeRequested_;
    bool closing_ = false;
};

}  // namespace ht57
