#include "link/ui/CTransferDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/SerialPortLink.h"
#include "link/ui/ProgramMessage.h"

namespace ht57 {

CTransferDlg::CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                           QWidget* parent)
    : CTransferDlg(data, settings, kind, std::make_unique<SerialPortLink>(), parent) {}

CTransferDlg::CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                           std::unique_ptr<SerialLink> link, QWidget* parent)
    : QDialog(parent), link_(std::move(link)) {
    const bool isRead = kind == TransferKind::Read;
    setWindowTitle(isRead ? QStringLiteral("Read") : QStringLiteral("Write"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // The worker calls back on its own thread; everything it reports is
    // carried over to the dialog's thread before a control is touched.
    CloneCallbacks callbacks;
    callbacks.portOpened = [this] { emit PortOpened(); };
    callbacks.progress = [this](int done, int total) { emit ProgressMade(done, total); };
    callbacks.finished = [this](LinkOutcome outcome) { emit SessionEnded(outcome); };
    session_ = std::make_unique<CloneSession>(
        *link_, data.image, settings, isRead ? TransferPlan::ForRead() : TransferPlan::ForWrite(),
        std::move(callbacks));
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

    startButton_ = new QPushButton(QStringLiteral("Start"), this);
    startButton_->setObjectName(QStringLiteral("start"));
    startButton_->setDefault(true);
    exitButton_ = new QPushButton(QStringLiteral("Exit"), this);
    exitButton_->setObjectName(QStringLiteral("exit"));
    exitButton_->setAutoDefault(false);
    connect(startButton_, &QPushButton::clicked, this, &CTransferDlg::accept);
    connect(exitButton_, &QPushButton::clicked, this, &CTransferDlg::reject);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(percentage_);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(startButton_);
    buttonRow->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(progressRow);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
    outcome_ = outcome;
    succeeded_ = outcome == LinkOutcome::Succeeded;
    if (const char* text = OutcomeMessage(outcome)) {
        ShowProgramMessage(this, QString::fromLatin1(text),
                           outcome == LinkOutcome::PortOpenFailed
                               ? PortFailureDetail(link_->OpenFailure())
                               : QString());
    }
    running_ = false;
    done(succeeded_ ? Accepted : Rejected);
}

}  // namespace ht57
