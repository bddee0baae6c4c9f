#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/RadioData.h"
#include "model/Result.h"

namespace ht57 {

// The text's format, its first key. Format 2 numbers the FM presets 0 to 15,
// as the FM view labels them; a text without the key is format 1, written
// before, which numbered them 1 to 16, and is read so.
inline constexpr int kConfigYamlFormat = 2;
inline constexpr int kFirstConfigYamlFormat = 1;

// The radio's whole configuration as YAML text, in the views' own words and
// values, one key per field: the format, radio info, options (frequency
// range, work mode and priority channel among them), DTMF, the FM presets and
// the 128 channels (null for a channel not in use).
std::string DumpConfigYaml(const RadioData& data, int format = kConfigYamlFormat);

// Stores the fields the text edits as the views store them: a value the
// text gives as `data` holds it is no edit, so a dump applied onto the file
// it came from changes no byte, and only an edited field's bits change. A
// band change or a narrowed frequency range does what its view does (the
// channels a narrower range clears must be given as null). Channel fields go
// through the channel edit rule. Fields and channels the text leaves out keep
// their values. An unknown or misspelt key, a value of the wrong type or
// outside its list or range fails, naming its line, and leaves `data`
// unchanged; so does text that could mean more than one thing (a key given
// twice, a second document) or that nests or runs far beyond what a
// configuration holds, which is refused before any of it is built.
Result ApplyConfigYaml(std::string_view yaml, RadioData& data);

// As above; `adjusted` then gets a line for each value the codecs stored
// otherwise than the text gave it (a frequency snapped to its step, a work
// mode the only-channel mode overrules), read back as the dump reads it.
// `warnings` gets a line for each stored value outside its range that an
// edit of its channel left as it was.
Result ApplyConfigYaml(std::string_view yaml, RadioData& data, std::vector<std::string>& adjusted,
                       std::vector<std::string>* warnings = nullptr);

// One settings field's edit, stored as ApplyConfigYaml stores a text giving
// only that value: `key` as the settings field table names it, `element` the
// FM preset (else 0), `text` as the dump writes the value (a list entry, the
// channel number of the priority channel, "true" or "false" for a check box),
// an empty text selecting no list entry. A key the dump has no value for
// fails.
Result ApplySettingText(std::string_view key, std::size_t element, std::string_view text,
                        RadioData& data, std::vector<std::string>& adjusted);

}  // namespace ht57
