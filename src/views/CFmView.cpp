#include "views/CFmView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/ChannelEdit.h"
#include "model/FmCodec.h"
#include "views/EditorKeys.h"
#include "views/FlexGrid.h"

namespace ht57 {
namespace {

constexpr int kGridRows = kFmPresetCount + 1;
constexpr int kFrequencyCol = 1;

}  // namespace

CFmView::CFmView(RadioData& data, FrameServices& frame, QWidget* parent)
    : CBaseFormView(data, frame, parent),
      range_(new QLabel(tr("Range：87.0-108.0MHz"), this)),
      grid_(new FlexGrid(this)),
      editor_(new QLineEdit(this)),
      menu_(new QMenu(this)) {
    setWindowTitle(tr("Radio Frequency"));
    range_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    range_->setMinimumWidth(range_->sizeHint().width() + 24);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    layout->setSpacing(10);
    layout->addWidget(range_, 0, Qt::AlignLeft);
    layout->addWidget(grid_);

    editor_->setObjectName(QStringLiteral("fmEditor"));
    grid_->setObjectName(QStringLiteral("fmGrid"));
    // Read out as the view's grid; the range above it is what it accepts.
    grid_->setAccessibleName(windowTitle());
    grid_->setAccessibleDescription(range_->text());
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(grid_, &FlexGrid::MousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                // Shift or Ctrl extends the selection; only a plain click edits.
                const bool extends = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
                if (button == Qt::LeftButton && !extends && grid_->MouseRow() > 0 &&
                    grid_->MouseCol() > 0) {
                    BeginEdit();
                }
            });

    grid_->EnableRangeSelection();
    menu_->setObjectName(QStringLiteral("fmGridMenu"));
    const auto add = [this](const QString& text, const QKeySequence& key, void (CFmView::*run)()) {
        QAction* action = menu_->addAction(text, this, run);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    };
    add(tr("&Copy Presets"), QKeySequence::Copy, &CFmView::Copy);
    add(tr("&Paste Presets"), QKeySequence::Paste, &CFmView::Paste);
    add(tr("C&lear"), QKeySequence(Qt::Key_Delete), &CFmView::Clear);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        Commit();
        menu_->popup(grid_->viewport()->mapToGlobal(position));
    });
    // The menu key for keyboards without one: the menu at the current cell.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        Commit();
        const QRect cell = grid_->CellRect(std::max(grid_->Row(), 1), kFrequencyCol);
        menu_->popup(grid_->mapToGlobal(cell.bottomLeft()));
    });
}

std::vector<int> CFmView::SelectedPresets() const {
    std::vector<int> presets;
    for (const int row : grid_->SelectedRows()) {
        presets.push_back(row - 1);
    }
    return presets;
}

void CFmView::ApplyFmChange(const QString& name, const std::function<void(FmTexts&)>& change) {
    Commit();
    Frame().History().Apply(name, [&](RadioData& data) {
        FmTexts texts = GridTexts();
        change(texts);
        EncodeFm(texts, data.image);
    });
    LoadFromImage();
}

void CFmView::Copy() {
    Commit();
    QApplication::clipboard()->setText(
        QString::fromStdString(CopyFmText(GridTexts(), SelectedPresets())));
}

void CFmView::Paste() {
    const std::vector<int> presets = SelectedPresets();
    if (presets.empty()) {
        return;
    }
    const std::string text = QApplication::clipboard()->text().toStdString();
    std::vector<std::string> issues;
    ApplyFmChange(tr("Paste"),
                  [&](FmTexts& texts) { PasteFmText(text, presets.front(), texts, issues); });
    if (!issues.empty()) {
        QStringList lines;
        for (const std::string& issue : issues) {
            lines << QString::fromStdString(issue);
        }
        QMessageBox::warning(this, tr("Paste"), lines.join(QLatin1Char('\n')));
    }
}

void CFmView::Clear() {
    const std::vector<int> presets = SelectedPresets();
    ApplyFmChange(tr("Clear"), [&](FmTexts& texts) {
        for (const int k : presets) {
            texts[static_cast<std::size_t>(k)].clear();
        }
    });
}

CFmView::~CFmView() {
    editor_->removeEventFilter(this);
    grid_->removeEventFilter(this);
    grid_->disconnect(this);
}

void CFmView::FillFixedLists() {
    editor_->setMaxLength(kFmEditLength);
    grid_->SetRows(kGridRows);
    grid_->SetCols(2);
    grid_->SetFormatString(tr("Channel.|Frequency (MHz)"));
    for (int row = 1; row < kGridRows; ++row) {
        grid_->SetTextMatrix(row, 0, QString::number(row - 1));
    }
    grid_->SetColAlignment(0, Qt::AlignCenter);
    grid_->SetColAlignment(kFrequencyCol, Qt::AlignCenter);
    grid_->SetColWidth(0, 1200);
    grid_->SetColWidth(kFrequencyCol, 1800);
    grid_->setFixedSize(grid_->sizeHint());
}

void CFmView::LoadFromImage() {
    const FmTexts texts = DecodeFm(ImageBytes());
    for (int row = 1; row < kGridRows; ++row) {
        grid_->SetTextMatrix(row, kFrequencyCol,
                             QString::fromStdString(texts[static_cast<std::size_t>(row - 1)]));
    }
}

FmTexts CFmView::GridTexts() const {
    FmTexts texts;
    for (int row = 1; row < kGridRows; ++row) {
        texts[static_cast<std::size_t>(row - 1)] =
            grid_->TextMatrix(row, kFrequencyCol).toStdString();
    }
    return texts;
}

void CFmView::SaveToImage() {
    EncodeFm(GridTexts(), ImageBytes());
}

void CFmView::BeginEdit() {
    Commit();
    editRow_ = grid_->Row();
    editCol_ = grid_->Col();
    if (editRow_ < 1 || editCol_ < 1) {
        return;
    }
    grid_->EnsureCellVisible(editRow_, editCol_);
    QRect cell = grid_->CellRect(editRow_, editCol_);
    cell.setHeight(cell.height() + 2);
    editor_->setGeometry(QRect(grid_->mapTo(this, cell.topLeft()), cell.size()));
    editor_->setAccessibleName(grid_->TextMatrix(0, editCol_));
    editor_->raise();
    editor_->show();
    editor_->setText(grid_->TextMatrix(editRow_, editCol_));
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->selectAll();
}

void CFmView::Commit() {
    if (editor_->isHidden()) {
        return;
    }
    const std::string text = CommitFmText(editor_->text().toStdString());
    const bool hadFocus = window()->focusWidget() == editor_;
    editor_->hide();
    if (hadFocus) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
    grid_->SetTextMatrix(editRow_, editCol_, QString::fromStdString(text));
}

// Without a mouse: Enter (or F2) on a cell edits it; in the editor Enter
// commits and Escape leaves the cell as it was.
bool CFmView::FilterKey(QObject* watched, const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (watched == grid_ && (enter || key.key() == Qt::Key_F2)) {
        BeginEdit();
        return true;
    }
    if (watched == editor_ && (enter || key.key() == Qt::Key_Escape)) {
        if (enter) {
            Commit();
        } else {
            editor_->hide();
        }
        grid_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

bool CFmView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FilterKey(watched, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched == editor_) {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            QApplication::activePopupWidget() == nullptr) {
            Commit();
        } else if (event->type() == QEvent::KeyPress) {
            const std::optional<char32_t> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
            return typed && !IsFmKey(*typed);
        }
    }
    return CBaseFormView::eventFilter(watched, event);
}

}  // namespace ht57
