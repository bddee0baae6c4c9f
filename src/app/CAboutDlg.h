#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

class QLabel;

namespace ht57 {

// The About box: four lines taken from section [About] of Program.ini (Model,
// Version, Copyright, Site; the last one hidden) and no buttons. It closes
// with the close box or Esc.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    // Line 0 to 3, top to bottom.
    QLabel* Line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }

private:
    std::array<QLabel*, 4> lines_{};
};

}  // namespace ht57
