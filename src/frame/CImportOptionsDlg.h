#pragma once

#include <QDialog>

#include "model/ChannelCsv.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace ht57 {

// Asks how a channel list is stored: into the channels it names or replacing
// all, by Location or in order from a channel or into free channels, whether
// names cut to five characters are kept distinct and whether unknown columns
// are passed over. Each choice says what it does in a line of its own.
class CImportOptionsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CImportOptionsDlg(QWidget* parent = nullptr);

    // What the dialog was left with; the scope is the button that closed it.
    ImportOptions Options() const;

private:
    void Choose(ImportScope scope);

    ImportScope scope_ = ImportScope::NamedChannels;
    QRadioButton* fromChannel_ = nullptr;
    QRadioButton* fillFree_ = nullptr;
    QSpinBox* firstChannel_ = nullptr;
    QCheckBox* distinctNames_ = nullptr;
    QCheckBox* ignoreUnknownColumns_ = nullptr;
};

}  // namespace ht57
