#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/CloneSession.h"
#include "link/LinkOutcome.h"
#include "link/SerialLink.h"
#include "link/TransferMessage.h"
#include "model/ProgrammingLog.h"
#include "model/RadioData.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace ht57 {

// The small modal progress dialog behind Read and Write. Start runs one clone
// session on a worker thread; Exit before Start closes at once, Exit during a
// session asks it to stop and the dialog stays until the worker has ended.
// Every end but a cancelled Read is told in a message box over the still-open
// dialog (with its progress): what was done and how many bytes, or where it
// stopped, what the radio may now hold and what to check. The dialog closes
// once the box is acknowledged.
//
// Write offers "Verify", off by default: after the Write the radio is read
// back into a private copy and the written range compared; a read-back that
// fails or differs is told apart from a failed Write and counts as a failure.
//
// After a Write that succeeded, the message says so and offers "Write Next
// Radio": the same data again to the radio now on the port, the caption
// counting the radios. A failure ends such a run, naming the radio by its
// count. With a programming log, every radio's outcome is appended to it.
//
// A successful Read has replaced data.image (band flag included) by the time
// exec() returns; the caller rebuilds whatever depends on it. exec() returns
// Accepted exactly when Succeeded() is true: for a run of Writes, when the
// last radio succeeded.
class CTransferDlg : public QDialog {
    Q_OBJECT

public:
    // Talks to the radio over the port named in settings (a QSerialPort line).
    CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                 QWidget* parent = nullptr);
    // The same over a line of the caller's choosing.
    CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                 std::unique_ptr<SerialLink> link, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // True only when the whole session completed.
    bool Succeeded() const { return succeeded_; }

    // The outcome of the session, or nullopt when none ran.
    std::optional<LinkOutcome> Outcome() const { return outcome_; }

    // How far the transfer (and its read-back) got; meaningful once Outcome()
    // has a value.
    const TransferResult& Result() const { return result_; }

    // True from Start until the worker's end has reached this dialog.
    bool Running() const { return running_; }

    // Appends a row per radio written to the CSV file `log`, naming the data
    // file by `dataFile`.
    void KeepProgrammingLog(const std::filesystem::path& log, const std::string& dataFile);

    // The radio being written, counted from 1 in a run of Writes.
    int RadioNumber() const { return radio_; }

public slots:
    // Start: launches the session unless one is running.
    void accept() override;
    // Exit, Escape and the close box.
    void reject() override;

signals:
    // Emitted on the dialog's thread; connected queued from the worker.
    void PortOpened();
    void ProgressMade(int done, int total);
    void SessionEnded(ht57::LinkOutcome outcome);

private:
    void OnPortOpened();
    void OnProgress(int done);
    void OnSessionEnded(LinkOutcome outcome);
    void ShowPercentage();
    CloneCallbacks Callbacks();
    // After a good Write with Verify checked: starts the read-back.
    bool StartVerify();
    // The radio's row in the log; what went wrong when it could not be kept.
    QString LogRadio(const std::vector<std::string>& mismatches);
    // A failure's detail, with the radio's count once a run has begun.
    QString RunDetail(const QString& detail, const QString& logTrouble) const;
    // The success message; true when the user chose "Write Next Radio".
    bool OfferNextRadio(const TransferMessage& message, const QString& logTrouble);
    void StartNextRadio();
    // A failure, or a Read that worked, told over the dialog.
    void ShowOutcome(const QString& logTrouble);
    // The one place a Read that worked is told.
    void ShowSuccessMessage(const TransferMessage& message);

    std::unique_ptr<SerialLink> link_;
    std::unique_ptr<CloneSession> session_;
    RadioData& data_;
    PortSettings settings_;
    Image readBack_{};
    bool verifying_ = false;
    QCheckBox* verify_ = nullptr;  // Write only
    QProgressBar* progress_ = nullptr;
    QLabel* percentage_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    bool running_ = false;
    bool succeeded_ = false;
    std::optional<LinkOutcome> outcome_;
    bool isWrite_ = false;
    int radio_ = 1;
    std::unique_ptr<ProgrammingLog> log_;
    std::string dataFile_;
    TransferResult result_;
};

}  // namespace ht57
