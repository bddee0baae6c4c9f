#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Image.h"
#include "model/SettingsFields.h"

namespace ht57 {

// What a list shows when its stored value names no entry.
inline constexpr std::string_view kNoEntryText = "(none)";

// A field's value as its form shows it: the list entry (kNoEntryText for
// none), "on" or "off", the number, the limit in whole MHz, the snapped
// frequency as "%3.5f", the tone name, the DTMF digits, the milliseconds after
// the edit's range check, or the FM preset in MHz (empty for an empty preset).
// `element` picks one of a field's side-by-side elements.
std::string FieldText(const Image& image, const SettingsField& field, std::size_t element = 0);

// A tone field's position in the tone list, or kNoSelection past its end.
int TonePosition(const Image& image, const SettingsField& field);

}  // namespace ht57
