#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/RadioData.h"
#include "model/Result.h"

namespace ht57 {

// The radio's whole configuration as YAML text, in the views' own words and
// values, one key per field: radio info, options (frequency range, work mode
// and priority channel among them), DTMF, the FM presets and the 128
// channels (null for a channel not in use).
std::string DumpConfigYaml(const RadioData& data);

// Stores the fields the text gives through the views' codecs, each section
// only where its values differ from what the image holds, so a dump applied
// onto the file it came from changes no byte. Fields and channels the text
// leaves out keep their values. An unknown or misspelt key, a value of the
// wrong type or outside its list or range fails, naming its line, and leaves
// `data` unchanged; so does text that could mean more than one thing (a key
// given twice, a second document) or that nests or runs far beyond what a
// configuration holds, which is refused before any of it is built.
Result ApplyConfigYaml(std::string_view yaml, RadioData& data);

// As above; `adjusted` then gets a line for each value the codecs stored
// otherwise than the text gave it (a frequency snapped to its step, a work
// mode the only-channel mode overrules), read back as the dump reads it.
Result ApplyConfigYaml(std::string_view yaml, RadioData& data, std::vector<std::string>& adjusted);

}  // namespace ht57
