#include "views/CSpinStep.h"

#include <QLineEdit>

#include "model/EditStepping.h"
#include "views/SpinButtons.h"

namespace ht57 {

void CSpinStep::Apply() const {
    QLineEdit* buddy = spin_.Buddy();
    if (buddy == nullptr) {
        return;
    }
    const EditRange range{spin_.Low(), spin_.High(), scale_};
    const std::string text = buddy->text().toStdString();
    buddy->setText(QString::fromStdString(SpinStepText(text, delta_, range)));
}

}  // namespace ht57
