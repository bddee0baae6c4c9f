#pragma once

#include "model/EditStepping.h"

class QLineEdit;

namespace ht57 {

// Normalises one timing edit to its range, as the edit shows it after the
// user leaves it: rounded down to the scale, the range's lowest value when
// empty or out of range. A short-lived object made for one call.
class CEditRange {
public:
    CEditRange(QLineEdit& edit, const EditRange& range) : edit_(edit), range_(range) {}

    void Apply() const;

private:
    QLineEdit& edit_;
    EditRange range_;
};

}  // namespace ht57
