#include "link/ui/CTransferDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "link/OutcomeCause.h"
#include "link/SerialPortLink.h"
#include "link/ui/ProgramMessage.h"
#include "model/ImageDiff.h"

namespace ht57 {

CTransferDlg::CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                           QWidget* parent)
    : CTransferDlg(data, settings, kind, std::make_unique<SerialPortLink>(), parent) {}

CTransferDlg::CTransferDlg(RadioData& data, const PortSettings& settings, TransferKind kind,
                           std::unique_ptr<SerialLink> link, QWidget* parent)
    : QDialog(parent),
      link_(std::move(link)),
      data_(data),
      settings_(settings),
      isWrite_(kind == TransferKind::Write) {
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
    // The desktop runs one clone session at a time, whatever its port.
    if (running_ || CloneSession::Busy()) {
        return;
    }
    // The engine refuses while a session runs on the port.
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
    const QString logTrouble = LogRadio(result_.differences);
    if (succeeded_ && isWrite_) {
        if (OfferNextRadio(DescribeTransfer(result_, settings_.name), logTrouble)) {
            StartNextRadio();
            return;
        }
    } else {
        ShowOutcome(logTrouble);
    }
    running_ = false;
    done(succeeded_ ? Accepted : Rejected);
}

void CTransferDlg::KeepProgrammingLog(const std::filesystem::path& log,
                                      const std::string& dataFile) {
    log_ = std::make_unique<ProgrammingLog>(log);
    dataFile_ = dataFile;
}

QString CTransferDlg::LogRadio(const std::vector<std::string>& mismatches) {
    if (!isWrite_ || !log_ || !outcome_) {
        return {};
    }
    const RadioResult result = !succeeded_  ? RadioResult::Failed
                               : verifying_ ? RadioResult::Verified
                                            : RadioResult::Written;
    const std::string cause = OutcomeCause(*outcome_, link_->OpenFailure(), verifying_, mismatches);
    const ht57::Result appended =
        log_->Append({Iso8601(CurrentLocalTime()), settings_.name, dataFile_,
                      WrittenBytesDigest(data_.image), RadioOutcomeText(result, cause)});
    if (appended) {
        return {};
    }
    return tr("The programming log was not written: %1 (%2)")
        .arg(QString::fromStdString(appended.message), QString::fromStdString(appended.detail));
}

QString CTransferDlg::RunDetail(const QString& detail, const QString& logTrouble) const {
    QStringList lines;
    if (radio_ > 1) {
        lines << tr("Radio %1 failed and must be written again.").arg(radio_);
    }
    for (const QString& line : {detail, logTrouble}) {
        if (!line.isEmpty()) {
            lines << line;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

bool CTransferDlg::OfferNextRadio(const TransferMessage& message, const QString& logTrouble) {
    const QString text = verifying_ ? tr("Radio %1 has been written and verified.").arg(radio_)
                                    : tr("Radio %1 has been written.").arg(radio_);
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("Program", "Program"), text,
                    QMessageBox::Ok, this);
    QPushButton* next = box.addButton(tr("Write Next Radio"), QMessageBox::AcceptRole);
    next->setObjectName(QStringLiteral("writeNextRadio"));
    box.setDefaultButton(next);
    box.setEscapeButton(QMessageBox::Ok);
    QString detail = QString::fromStdString(message.text) + QLatin1Char('\n') +
                     tr("To write the same data to another radio, connect it and choose Write "
                        "Next Radio.");
    if (log_ && logTrouble.isEmpty()) {
        detail += QLatin1Char('\n') +
                  tr("Logged in %1.").arg(QString::fromStdString(log_->File().string()));
    }
    if (!logTrouble.isEmpty()) {
        detail += QLatin1Char('\n') + logTrouble;
    }
    box.setInformativeText(detail);
    // Below the dialog where the screen has room, so the caption's count and
    // the full progress bar stay in view.
    box.adjustSize();
    const QRect under(frameGeometry().center().x() - box.frameGeometry().width() / 2,
                      frameGeometry().bottom() + 8, box.frameGeometry().width(),
                      box.frameGeometry().height());
    if (screen() != nullptr && screen()->availableGeometry().contains(under)) {
        box.move(under.topLeft());
    }
    box.exec();
    return box.clickedButton() == next;
}

void CTransferDlg::StartNextRadio() {
    ++radio_;
    setWindowTitle(tr("Write (radio %1)").arg(radio_));
    verifying_ = false;
    result_ = TransferResult{};
    outcome_.reset();
    succeeded_ = false;
    session_ = std::make_unique<CloneSession>(*link_, data_.image, settings_,
                                              TransferPlan::ForWrite(), Callbacks());
    progress_->setRange(0, session_->TotalBlocks());
    progress_->setValue(0);
    ShowPercentage();
    // The last radio's session released the port; nothing else can hold it
    // while this modal dialog runs.
    if (!session_->Start()) {
        running_ = false;
        done(Rejected);
    }
}

void CTransferDlg::ShowOutcome(const QString& logTrouble) {
    const TransferVerdict verdict = VerdictOf(result_);
    if (verdict == TransferVerdict::Cancelled && result_.transfer.kind == TransferKind::Read) {
        return;  // the user stopped it and nothing changed
    }
    const TransferMessage message = DescribeTransfer(result_, settings_.name);
    if (verdict == TransferVerdict::Done) {
        ShowSuccessMessage(message);
    } else if (result_.transfer.outcome == LinkOutcome::PortOpenFailed) {
        ShowProgramMessage(this, QString::fromStdString(message.text),
                           RunDetail(PortFailureDetail(link_->OpenFailure()), logTrouble));
    } else {
        ShowProgramMessage(this, QString::fromStdString(message.text),
                           RunDetail(QString::fromStdString(message.detail), logTrouble));
    }
}

void CTransferDlg::ShowSuccessMessage(const TransferMessage& message) {
    ShowProgramMessage(this, QString::fromStdString(message.text),
                       QString::fromStdString(message.detail));
}

}  // namespace ht57
