#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "link/PortCatalog.h"
#include "link/SerialLink.h"

class QButtonGroup;

namespace ht57 {

// Builds the list of ports offered for the current port name. The default
// asks the system about the real devices without opening any; tests hand in
// their own.
using PortChoiceSource = std::function<PortChoice(const std::string& currentName)>;

// The Port dialog: sixteen radio buttons in four rows of four, one per port
// the catalog offers, disabled when the port cannot be used now (missing,
// forbidden or held by another program), what the system knows of it as the
// tool tip, the current port checked. OK stores the checked port's name in the settings
// (nothing checked keeps the name); Cancel changes nothing.
class CPortDlg : public QDialog {
    Q_OBJECT

public:
    // Radio button ids in the dialog's button group are 1004 + port number.
    static constexpr int kFirstButtonId = 1005;
    static constexpr int kButtonCount = 16;

    explicit CPortDlg(PortSettings& settings, QWidget* parent = nullptr,
                      PortChoiceSource source = BuildNativePortChoice);

    // The port name as it stands: the chosen one after OK.
    const std::string& PortName() const { return settings_.name; }

    QButtonGroup* Buttons() const { return buttons_; }

public slots:
    void accept() override;

private:
    PortSettings& settings_;
    PortChoice choice_;
    QButtonGroup* buttons_ = nullptr;
};

}  // namespace ht57
