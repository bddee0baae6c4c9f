#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "model/SettingsFields.h"
#include "model/Tones.h"

namespace ht57 {

// A text the model owns (a caption, a column title, a list entry), shown in
// the language the program runs in. What is stored stays the model's text.
inline QString ModelText(std::string_view text) {
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate("Model", source.constData());
}

// A tone as shown: "Off" in the reader's language, codes and frequencies as
// they are.
inline QString ToneShown(std::string_view tone) {
    return tone == ToneText(0)
               ? ModelText(tone)
               : QString::fromUtf8(tone.data(), static_cast<qsizetype>(tone.size()));
}

// The form's caption of a field, as the table names it.
inline QString FieldLabel(const SettingsField& field) {
    return ModelText(field.label);
}

}  // namespace ht57
