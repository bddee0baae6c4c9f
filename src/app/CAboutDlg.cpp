#include "app/CAboutDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Config.h"
#include "model/IniFile.h"

namespace ht57 {
namespace {

int MaximumLineWidth(const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? std::max(280, screen->availableGeometry().width() * 3 / 4) : 640;
}

}  // namespace

CAboutDlg::CAboutDlg(const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("About"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    CIniFile ini(programFolder);
    ini.SetFileName(kIniFileName);
    const AboutText about = ReadAboutText(ini.ReadContents());
    const std::array<const std::string*, 4> texts{&about.model, &about.version, &about.copyright,
                                                  &about.site};

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(8);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto* line = new QLabel(QString::fromStdString(*texts[i]), this);
        // Whatever the file holds is shown as it stands, never as markup.
        line->setTextFormat(Qt::PlainText);
        line->setMinimumWidth(280);
        // A long value wraps inside the screen rather than widening the box
        // past it.
        line->setWordWrap(true);
        line->setMaximumWidth(MaximumLineWidth(parent));
        layout->addWidget(line);
        lines_[i] = line;
    }
    lines_[3]->setVisible(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace ht57
