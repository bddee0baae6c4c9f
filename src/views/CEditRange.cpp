#include "views/CEditRange.h"

#include <QLineEdit>

namespace ht57 {

void CEditRange::Apply() const {
    const std::string text = edit_.text().toStdString();
    edit_.setText(QString::fromStdString(EditRangeText(text, range_)));
}

}  // namespace ht57
