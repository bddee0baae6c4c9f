#include "link/ui/CTransferDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/SerialPortLink.h"
#include "link/ui/ProgramMessage.h"
#include "model/ImageDiff.h"

namespace ht57 {

CTransferDlg::CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                           QWidget* parent)
    : CTransferDlg(data, settings, kind, std::make_unique<SerialPortLink>(), parent) {}

CTransferDlg::CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                           std::unique_ptr<SerialLink> link, QWidget* parent)
    : QDialog(parent), link_(std::move(link)), data_(data), settings_(settings) {
    const bool isRead = kind == TransferKind::Read;
    setWindowTitle(isRead ? tr("Read") : tr("Write"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    session_ = std::make_unique<CloneSession>(
        *link_, data.image, settings, isRead ? TransferPlan::ForRead() : TransferPlan::ForWrite(),
        Callbacks());
    connect(this, &CTransferDlg::PortOpened, this, &CTransferDlg::OnPortOpened,
            Qt::QueuedConnection);
    connect(
        this, &CTransferDlg::ProgressMade, this, [this](int done, int) { OnProgress(done); },
        Qt::QueuedConnection);
    connect(this, &CTransferDlg::SessionEnded, this, &CTransferDlg::OnSessionEnded,
            Qt::QueuedConnection);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, session_->TotalBlocks());
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMinimumWidth(240);

    percentage_ = new QLabel(QStringLiteral("0%"), this);
    percentage_->setObjectName(QStringLiteral("percentage"));
    percentage_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    percentage_->setMinimumWidth(
        percentage_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);

    startButton_ = new QPushButton(tr("Start"), this);
    startButton_->setObjectName(QStringLiteral("start"));
    startButton_->setDefault(true);
    exitButton_ = new QPushButton(tr("Exit"), this);
    exitButton_->setObjectName(QStringLiteral("exit"));
    exitButton_->setAutoDefault(false);
    connect(startButton_, &QPushButton::clicked, this, &CTransferDlg::accept);
    connect(exitButton_, &QPushButton::clicked, this, &CTransferDlg::reject);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(percentage_);

    auto* buttonRow = new QHBoxLayout;
    if (!isRead) {
        verify_ = new QCheckBox(tr("Verify"), this);
        verify_->setObjectName(QStringLiteral("verify"));
        buttonRow->addWidget(verify_);
    }
    buttonRow->addStretch(1);
    buttonRow->addWidget(startButton_);
    buttonRow->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(progressRow);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The worker calls back on its own thread; everything it reports is carried
// over to the dialog's thread before a control is touched.
CloneCallbacks CTransferDlg::Callbacks() {
    CloneCallbacks callbacks;
    callbacks.portOpened = [this] { emit PortOpened(); };
    callbacks.progress = [this](int done, int total) { emit ProgressMade(done, total); };
    callbacks.finished = [this](LinkOutcome outcome) { emit SessionEnded(outcome); };
    return callbacks;
}

bool CTransferDlg::StartVerify() {
    verifying_ = true;
    readBack_ = data_.image;
    session_ = std::make_unique<CloneSession>(*link_, readBack_, settings_, TransferPlan::ForRead(),
                                              Callbacks());
    progress_->setRange(0, session_->TotalBlocks());
    progress_->setValue(0);
    ShowPercentage();
    return session_->Start();
}

CTransferDlg::~CTransferDlg() {
    // Normally the session has long ended; if not, stop it before the
    // callbacks' target goes away.
    session_->Cancel();
    session_.reset();
}

void CTransferDlg::accept() {
    if (running_) {
        return;
    }
    // The engine refuses while any clone session runs in the process.
    if (session_->Start()) {
        running_ = true;
    }
}

void CTransferDlg::reject() {
    if (running_) {
        // The worker stops after the block in progress and then ends the
        // dialog itself.
        session_->Cancel();
        return;
    }
    QDialog::reject();
}

void CTransferDlg::OnPortOpened() {
    startButton_->setEnabled(false);
}

void CTransferDlg::OnProgress(int done) {
    progress_->setValue(done);
    ShowPercentage();
}

void CTransferDlg::ShowPercentage() {
    const int upper = progress_->maximum();
    const int percent = upper > 0 ? progress_->value() * 100 / upper : 0;
    percentage_->setText(QString::asprintf("%d%%", percent));
}

void CTransferDlg::OnSessionEnded(LinkOutcome outcome) {
    session_->Wait();
    if (!verifying_) {
        result_.transfer = session_->Report();
    } else {
        result_.readBack = session_->Report();
        if (outcome == LinkOutcome::Succeeded) {
            result_.differences = WrittenRangeMismatches(data_.image, readBack_);
        }
    }
    if (outcome == LinkOutcome::Succeeded && verify_ && verify_->isChecked() && !verifying_) {
        if (StartVerify()) {
            return;
        }
        // Never reported as verified when it was not.
        outcome = LinkOutcome::Busy;
        result_.readBack = CloneReport{};
        result_.readBack->outcome = outcome;
    }
    outcome_ = outcome;
    succeeded_ = VerdictOf(result_) == TransferVerdict::Done;
    ShowOutcome();
    running_ = false;
    done(succeeded_ ? Accepted : Rejected);
}

void CTransferDlg::ShowOutcome() {
    const TransferVerdict verdict = VerdictOf(result_);
    if (verdict == TransferVerdict::Cancelled && result_.transfer.kind == TransferKind::Read) {
        return;  // the user stopped it and nothing changed
    }
    const TransferMessage message = DescribeTransfer(result_, settings_.name);
    if (verdict == TransferVerdict::Done) {
        ShowSuccessMessage(message);
    } else if (result_.transfer.outcome == LinkOutcome::PortOpenFailed) {
        ShowProgramMessage(this, QString::fromStdString(message.text),
                           PortFailureDetail(link_->OpenFailure()));
    } else {
        ShowProgramMessage(this, QString::fromStdString(message.text),
                           QString::fromStdString(message.detail));
    }
}

void CTransferDlg::ShowSuccessMessage(const TransferMessage& message) {
    ShowProgramMessage(this, QString::fromStdString(message.text),
                       QString::fromStdString(message.detail));
}

}  // namespace ht57
