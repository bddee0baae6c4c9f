#pragma once

#include <QString>

#include "model/SettingsFields.h"

namespace ht57 {

// The form's caption of a field, as the table names it.
inline QString FieldLabel(const SettingsField& field) {
    return QString::fromUtf8(field.label.data(), static_cast<qsizetype>(field.label.size()));
}

}  // namespace ht57
