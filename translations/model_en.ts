<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Model</name>
    <message>
        <location filename="../src/model/Backup.cpp" line="+39"/>
        <source>writing the backup %1</source>
        <translation>writing the backup %1</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelClipboard.cpp" line="+119"/>
        <source>The pasted header names the column &quot;%1&quot; twice; nothing was pasted.</source>
        <translation>The pasted header names the column &quot;%1&quot; twice; nothing was pasted.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The pasted header&apos;s column %1 (&quot;%2&quot;) is not a column of the grid; nothing was pasted.</source>
        <translation>The pasted header&apos;s column %1 (&quot;%2&quot;) is not a column of the grid; nothing was pasted.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Line %1 of the pasted text has values past its header&apos;s last column; nothing was pasted.</source>
        <translation>Line %1 of the pasted text has values past its header&apos;s last column; nothing was pasted.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line %1 of the pasted text has %2 values, but from %3 on the grid has %4 columns; nothing was pasted.</source>
        <translation>Line %1 of the pasted text has %2 values, but from %3 on the grid has %4 columns; nothing was pasted.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>the channel is empty: it starts with an Rx Freq; nothing stored</source>
        <translation>the channel is empty: it starts with an Rx Freq; nothing stored</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>channel %1: %2</source>
        <translation>channel %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a frequency in MHz; not stored</source>
        <translation>%1 &quot;%2&quot; is not a frequency in MHz; not stored</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is outside the band %3 to %4 MHz; not stored</source>
        <translation>%1 &quot;%2&quot; is outside the band %3 to %4 MHz; not stored</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is off the channel raster: stored as %3</source>
        <translation>%1 &quot;%2&quot; is off the channel raster: stored as %3</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not a value of the column; not stored</source>
        <translation>%1 &quot;%2&quot; is not a value of the column; not stored</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>Name &quot;%1&quot; stored as &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelCsv.cpp" line="+1013"/>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <location filename="../src/model/ConfigYaml.cpp" line="+769"/>
        <location filename="../src/model/YamlShape.cpp" line="+166"/>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelClipboard.cpp" line="+79"/>
        <source>The clipboard holds no channel values to paste.</source>
        <translation>The clipboard holds no channel values to paste.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: there is no channel %2; not stored</source>
        <translation>line %1: there is no channel %2; not stored</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelCsv.cpp" line="-781"/>
        <source>no Location</source>
        <translation>no Location</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Location %1 is not a channel number</source>
        <translation>Location %1 is not a channel number</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 is outside %2-%3</source>
        <translation>Location %1 is outside %2-%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Location %1 already came on line %2</source>
        <translation>Location %1 already came on line %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no Frequency</source>
        <translation>no Frequency</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Frequency %1 is not a number in MHz</source>
        <translation>Frequency %1 is not a number in MHz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>receive frequency %1 MHz is outside %2</source>
        <translation>receive frequency %1 MHz is outside %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>receive frequency %1 MHz is off the channel raster: stored as %2</source>
        <translation>receive frequency %1 MHz is off the channel raster: stored as %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Duplex &quot;off&quot; (transmit disabled) cannot be stored: every channel of this radio transmits</source>
        <translation>Duplex &quot;off&quot; (transmit disabled) cannot be stored: every channel of this radio transmits</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Duplex %1 is not known</source>
        <translation>Duplex %1 is not known</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Offset %1 is not a frequency in MHz</source>
        <translation>Offset %1 is not a frequency in MHz</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>transmit frequency would be below 0 MHz</source>
        <translation>transmit frequency would be below 0 MHz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit frequency lies too far from the receive frequency to store</source>
        <translation>transmit frequency lies too far from the receive frequency to store</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>transmit frequency %1 is outside %2</source>
        <translation>transmit frequency %1 is outside %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+56"/>
        <source>tone %1 is not in the radio&apos;s tone list</source>
        <translation>tone %1 is not in the radio&apos;s tone list</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>CrossMode %1 is not known</source>
        <translation>CrossMode %1 is not known</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>tone mode %1 (reverse squelch) has no equivalent on this radio</source>
        <translation>tone mode %1 (reverse squelch) has no equivalent on this radio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tone mode %1 is not known</source>
        <translation>tone mode %1 is not known</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DtcsPolarity %1 is not two letters N or R</source>
        <translation>DtcsPolarity %1 is not two letters N or R</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>DCS code %1 is not in the radio&apos;s tone list</source>
        <translation>DCS code %1 is not in the radio&apos;s tone list</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Mode %1 cannot be stored: the radio has FM (Wide) and NFM (Narrow) only</source>
        <translation>Mode %1 cannot be stored: the radio has FM (Wide) and NFM (Narrow) only</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>power %1 stored as %2</source>
        <translation>power %1 stored as %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>power %1 stored as Low (the radio has High and Low)</source>
        <translation>power %1 stored as Low (the radio has High and Low)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>power %1 is not understood: stored as Low</source>
        <translation>power %1 is not understood: stored as Low</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>BusyLock %1 is not known: stored as Off</source>
        <translation>BusyLock %1 is not known: stored as Off</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 %2 dropped</source>
        <translation>%1 %2 dropped</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>name %1 stored as %2</source>
        <translation>name %1 stored as %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>busy lock %1 replaced by %2</source>
        <translation>busy lock %1 replaced by %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>transmit frequency %1 cannot be stored exactly with receive frequency %2: stored as %3</source>
        <translation>transmit frequency %1 cannot be stored exactly with receive frequency %2: stored as %3</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The column %1 appears twice, so the file is not read.</source>
        <translation>The column %1 appears twice, so the file is not read.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+59"/>
        <location line="+179"/>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <location line="-232"/>
        <source>The file is not a channel list: its first line names no Location and Frequency columns.</source>
        <translation>The file is not a channel list: its first line names no Location and Frequency columns.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>first line %1</source>
        <translation>first line %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>column %1 (no name)</source>
        <translation>column %1 (no name)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1 %2</source>
        <translation>column %1 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file is not read: its header names columns a channel list does not have: %1. Correct the header, or import with unknown columns ignored.</source>
        <translation>The file is not read: its header names columns a channel list does not have: %1. Correct the header, or import with unknown columns ignored.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no column of a channel list: its values were ignored</source>
        <translation>%1 is no column of a channel list: its values were ignored</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>channels %1 read alike as %2 once their names are cut to five characters (%3); the option to keep cut names distinct (--distinct-names) numbers them</source>
        <translation>channels %1 read alike as %2 once their names are cut to five characters (%3); the option to keep cut names distinct (--distinct-names) numbers them</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The file is in UTF-16. Save it as UTF-8 and import it again.</source>
        <translation>The file is in UTF-16. Save it as UTF-8 and import it again.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file holds no channel list.</source>
        <translation>The file holds no channel list.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A quoted field that starts in the record on line %1 is never closed, so the rest of the file cannot be read.</source>
        <translation>A quoted field that starts in the record on line %1 is never closed, so the rest of the file cannot be read.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The file holds no channel rows.</source>
        <translation>The file holds no channel rows.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>only the header on line %1</source>
        <translation>only the header on line %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the file numbers its channels from 0: every row was placed one channel higher</source>
        <translation>the file numbers its channels from 0: every row was placed one channel higher</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the row has %1 fields, more than the %2 columns the header names, so its values may be out of place</source>
        <translation>the row has %1 fields, more than the %2 columns the header names, so its values may be out of place</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no free channel is left</source>
        <translation>no free channel is left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no channel is left after %1</source>
        <translation>no channel is left after %1</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>channels of skipped rows, kept as they were: %1</source>
        <translation>channels of skipped rows, kept as they were: %1</translation>
    </message>
    <message>
        <location line="-316"/>
        <source>name made distinct as %1</source>
        <translation>name made distinct as %1</translation>
    </message>
    <message>
        <location line="-649"/>
        <source>no Name column: every channel stored without a name</source>
        <translation>no Name column: every channel stored without a name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Duplex column: every channel simplex</source>
        <translation>no Duplex column: every channel simplex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Offset column: + and - channels transmit on their receive frequency</source>
        <translation>no Offset column: + and - channels transmit on their receive frequency</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no Tone column: every channel without tones (Off)</source>
        <translation>no Tone column: every channel without tones (Off)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no DtcsPolarity column: DCS codes read as normal (NN)</source>
        <translation>no DtcsPolarity column: DCS codes read as normal (NN)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no RxDtcsCode column: Cross channels take their receive DCS code from DtcsCode</source>
        <translation>no RxDtcsCode column: Cross channels take their receive DCS code from DtcsCode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no CrossMode column: Cross channels read as Tone-&gt;Tone</source>
        <translation>no CrossMode column: Cross channels read as Tone-&gt;Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Mode column: every channel Wide (FM)</source>
        <translation>no Mode column: every channel Wide (FM)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Power column: every channel High</source>
        <translation>no Power column: every channel High</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no BusyLock column: every channel&apos;s busy lock Off</source>
        <translation>no BusyLock column: every channel&apos;s busy lock Off</translation>
    </message>
    <message>
        <location line="+891"/>
        <source>No row of the file could be stored, so no channel was cleared.</source>
        <translation>No row of the file could be stored, so no channel was cleared.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No row of the file could be stored, so nothing was changed.</source>
        <translation>No row of the file could be stored, so nothing was changed.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 of %2 row stored</source>
        <translation>%1 of %2 row stored</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2 rows stored</source>
        <translation>%1 of %2 rows stored</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 skipped</source>
        <translation>%1 skipped</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channel of a skipped row kept as it was</source>
        <translation>%1 channel of a skipped row kept as it was</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels of skipped rows kept as they were</source>
        <translation>%1 channels of skipped rows kept as they were</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 other channel cleared</source>
        <translation>%1 other channel cleared</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 other channels cleared</source>
        <translation>%1 other channels cleared</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1, channel %2: skipped: %3</source>
        <translation>line %1, channel %2: skipped: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, channel %2: imported: %3</source>
        <translation>line %1, channel %2: imported: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: skipped: %2</source>
        <translation>line %1: skipped: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: imported: %2</source>
        <translation>line %1: imported: %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+4"/>
        <location filename="../src/model/ProgramFolders.cpp" line="+77"/>
        <source>reading %1</source>
        <translation>reading %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The file is too large for a channel list.</source>
        <translation>The file is too large for a channel list.</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelRows.cpp" line="+74"/>
        <source>There is no channel %1.</source>
        <translation>There is no channel %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 is in use and would be lost. Delete or clear it first.</source>
        <translation>Channel %1 is in use and would be lost. Delete or clear it first.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>inserting a channel at %1</source>
        <translation>inserting a channel at %1</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>&quot;%1&quot; is not a value of this column.</source>
        <translation>&quot;%1&quot; is not a value of this column.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The offset &quot;%1&quot; is not a frequency in MHz.</source>
        <translation>The offset &quot;%1&quot; is not a frequency in MHz.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../src/model/ImageDiff.cpp" line="+110"/>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The transmit frequency of channel %1 would lie outside the band (%2 to %3). Nothing was changed.</source>
        <translation>The transmit frequency of channel %1 would lie outside the band (%2 to %3). Nothing was changed.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The offset is off the channel raster; channel %1 would transmit on %2. Nothing was changed.</source>
        <translation>The offset is off the channel raster; channel %1 would transmit on %2. Nothing was changed.</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelTable.cpp" line="+34"/>
        <source>Rx Freq</source>
        <translation>Rx Freq</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Freq</source>
        <translation>Tx Freq</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Tone</source>
        <translation>Rx Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>Tx Tone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Busy Lock</source>
        <translation>Busy Lock</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/model/OptionLists.h" line="+22"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/model/Config.cpp" line="+45"/>
        <source>%1 Progamming Software</source>
        <translation>%1 Progamming Software</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Programming Software</source>
        <translation>%1 Programming Software</translation>
    </message>
    <message>
        <location filename="../src/model/ConfigYaml.cpp" line="-710"/>
        <source>%1 is not whole MHz</source>
        <translation>%1 is not whole MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 is not a frequency in MHz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not up to 8 of 0-9 and A-F</source>
        <translation>%1 is not up to 8 of 0-9 and A-F</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a time in milliseconds</source>
        <translation>%1 is not a time in milliseconds</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is outside the range the radio can hold</source>
        <translation>%1 is outside the range the radio can hold</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be given as text</source>
        <translation>%1 cannot be given as text</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>line %1: %2: %3</source>
        <translation>line %1: %2: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this value</source>
        <translation>this value</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 is not one of %2</source>
        <translation>%1 is not one of %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+171"/>
        <source>needs a single value</source>
        <translation>needs a single value</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>%1 is not %2 or %3</source>
        <translation>%1 is not %2 or %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not true or false</source>
        <translation>%1 is not true or false</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>needs keys and values</source>
        <translation>needs keys and values</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+120"/>
        <location line="+255"/>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="-287"/>
        <source>needs channel numbers and their fields</source>
        <translation>needs channel numbers and their fields</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a channel from 1 to 128</source>
        <translation>&quot;%1&quot; is not a channel from 1 to 128</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>needs the channel&apos;s fields, or null when not in use</source>
        <translation>needs the channel&apos;s fields, or null when not in use</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>line %1: %2: %3 lies outside %4; kept as stored</source>
        <translation>line %1: %2: %3 lies outside %4; kept as stored</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>needs preset numbers and frequencies</source>
        <translation>needs preset numbers and frequencies</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 is not empty or 87.0 to 108.0 MHz</source>
        <translation>%1 is not empty or 87.0 to 108.0 MHz</translation>
    </message>
    <message>
        <location line="+170"/>
        <location line="+115"/>
        <source>top level</source>
        <translation>top level</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>&quot;%1&quot; is more than the field can hold</source>
        <translation>&quot;%1&quot; is more than the field can hold</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>&quot;%1&quot; is not a preset from %2 to %3</source>
        <translation>&quot;%1&quot; is not a preset from %2 to %3</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 is not a format this program reads (1 or 2)</source>
        <translation>%1 is not a format this program reads (1 or 2)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the range %1-%2MHz clears channel(s) %3 in use; give them as null under channels to clear them</source>
        <translation>the range %1-%2MHz clears channel(s) %3 in use; give them as null under channels to clear them</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>channel %1 is not in use</source>
        <translation>channel %1 is not in use</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>needs the sections as keys</source>
        <translation>needs the sections as keys</translation>
    </message>
    <message>
        <location filename="../src/model/DataFile.cpp" line="+25"/>
        <location filename="../src/model/IniFile.cpp" line="+51"/>
        <source>Cannot read %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Not a data file</source>
        <translation>Not a data file</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 bytes long instead of %2</source>
        <translation>%1 bytes long instead of %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is %2</source>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a data file</source>
        <translation>%1 is not a data file</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 is not bytes long instead of %2</source>
        <translation>%1 is not bytes long instead of %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is %2 bytes long instead of %3</source>
        <translation>%1 is %2 bytes long instead of %3</translation>
    </message>
    <message>
        <location filename="../src/model/DataFile.h" line="+28"/>
        <source>File does not match</source>
        <translation>File does not match</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件格式不对！</source>
        <translation>The file format is wrong!</translation>
    </message>
    <message>
        <location filename="../src/model/FileAccess.cpp" line="+131"/>
        <location line="+29"/>
        <location line="+111"/>
        <location line="+27"/>
        <source>Cannot write %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+3"/>
        <location line="+39"/>
        <source>Cannot replace %1</source>
        <translation>Cannot replace %1</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Cannot create a file beside %1</source>
        <translation>Cannot create a file beside %1</translation>
    </message>
    <message>
        <location filename="../src/model/FileAccess.h" line="+17"/>
        <source>Sorry, error not find.</source>
        <translation>Sorry, error not find.</translation>
    </message>
    <message>
        <location filename="../src/model/FmCodec.cpp" line="+89"/>
        <source>preset %1: &quot;%2&quot; has no preset to go to; not stored</source>
        <translation>preset %1: &quot;%2&quot; has no preset to go to; not stored</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>preset %1: &quot;%2&quot; is not a frequency from 87.0 to 108.0 MHz; not stored</source>
        <translation>preset %1: &quot;%2&quot; is not a frequency from 87.0 to 108.0 MHz; not stored</translation>
    </message>
    <message>
        <location filename="../src/model/ImageDiff.cpp" line="-58"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>frequency mode record</source>
        <translation>frequency mode record</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>settings block</source>
        <translation>settings block</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FM channels</source>
        <translation>FM channels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF block</source>
        <translation>DTMF block</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>power calibration</source>
        <translation>power calibration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no field</source>
        <translation>no field</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>header block</source>
        <translation>header block</translation>
    </message>
    <message>
        <location filename="../src/model/IniFile.cpp" line="-7"/>
        <source>Cannot write this entry to %1</source>
        <translation>Cannot write this entry to %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot rewrite %1</source>
        <translation>Cannot rewrite %1</translation>
    </message>
    <message>
        <location filename="../src/model/ProgramFolders.cpp" line="-9"/>
        <source>creating %1</source>
        <translation>creating %1</translation>
    </message>
    <message>
        <location filename="../src/model/SettingsFields.h" line="+91"/>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>VOX Gain Level</source>
        <translation>VOX Gain Level</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Back Light</source>
        <translation>Back Light</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channel Disp Way</source>
        <translation>Channel Disp Way</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>DTMF Code</source>
        <translation>DTMF Code</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PF3</source>
        <translation>PF3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Range lower limit (MHz)</source>
        <translation>Frequency Range lower limit (MHz)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequency Range upper limit (MHz)</source>
        <translation>Frequency Range upper limit (MHz)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel Embed Enable</source>
        <translation>Channel Embed Enable</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Priority Scan</source>
        <translation>Priority Scan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scan Mode</source>
        <translation>Scan Mode</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Priority Channel</source>
        <translation>Priority Channel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Work Mode</source>
        <translation>Work Mode</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Only Channel Mode</source>
        <translation>Only Channel Mode</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Side Tone</source>
        <translation>Side Tone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Receive Enable</source>
        <translation>Receive Enable</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rx Frequency (MHz)</source>
        <translation>Rx Frequency (MHz)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wide / Narrow</source>
        <translation>Wide / Narrow</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TX Power</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Offset Frequency (MHz)</source>
        <translation>Offset Frequency (MHz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>First Digit Delay (ms)</source>
        <translation>First Digit Delay (ms)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Digit Intervel (ms)</source>
        <translation>Digit Intervel (ms)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Digit Delay Time (ms)</source>
        <translation>Digit Delay Time (ms)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>FM channel</source>
        <translation>FM channel</translation>
    </message>
    <message>
        <location filename="../src/link/LinkOutcome.h" line="+46"/>
        <location filename="../src/link/TransferMessage.cpp" line="+110"/>
        <source>Fail to open port </source>
        <translation>Fail to open port </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/link/TransferMessage.cpp" line="-65"/>
        <source>Communication error</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <location filename="../src/link/PortAccess.cpp" line="+187"/>
        <source>process %1</source>
        <translation>process %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>No serial port is set.</source>
        <translation>No serial port is set.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no serial port %1. Check that the programming cable is plugged in, or choose the port it appears as.</source>
        <translation>There is no serial port %1. Check that the programming cable is plugged in, or choose the port it appears as.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not use %1: it belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 $USER
then log out and in again: the new group counts from the next login.</source>
        <translation>You may not use %1: it belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 $USER
then log out and in again: the new group counts from the next login.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You may not use %1: only its owner may. Install the program&apos;s udev rule or ask the administrator for access.</source>
        <translation>You may not use %1: only its owner may. Install the program&apos;s udev rule or ask the administrator for access.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is the system console, not a radio port. Choose another port.</source>
        <translation>%1 is the system console, not a radio port. Choose another port.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is in use by another program. Close that program and try again.</source>
        <translation>%1 is in use by another program. Close that program and try again.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is in use by another program (%2). Close that program and try again.</source>
        <translation>%1 is in use by another program (%2). Close that program and try again.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot open %1.</source>
        <translation>Cannot open %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/link/PortCatalog.cpp" line="+64"/>
        <source>Manufacturer: </source>
        <translation>Manufacturer: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial number: </source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB id: </source>
        <translation>USB id: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable name: </source>
        <translation>Stable name: </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>busy</source>
        <translation>busy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no access</source>
        <translation>no access</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelRecord.h" line="+42"/>
        <location filename="../src/model/OptionLists.h" line="+10"/>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/model/OptionLists.h" line="+1"/>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/model/OptionLists.h" line="-3"/>
        <source>Narrow</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/model/OptionLists.h" line="+1"/>
        <source>Wide</source>
        <translation>Wide</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/model/OptionLists.h" line="-15"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+4"/>
        <location line="+11"/>
        <location filename="../src/model/Tones.cpp" line="+33"/>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carrier</source>
        <translation>Carrier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QT/DQT</source>
        <translation>QT/DQT</translation>
    </message>
    <message>
        <location filename="../src/model/OptionLists.h" line="-15"/>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Continued</source>
        <translation>Continued</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>BOT</source>
        <translation>BOT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EOT</source>
        <translation>EOT</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Both</source>
        <translation>Both</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <location filename="../src/model/ConfigReadBack.cpp" line="+77"/>
        <source>a channel</source>
        <translation>a channel</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>line %1: %2: %3 stored as %4</source>
        <translation>line %1: %2: %3 stored as %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: %2: stored %3, shown as %4</source>
        <translation>line %1: %2: stored %3, shown as %4</translation>
    </message>
    <message>
        <location filename="../src/model/ProgrammingLog.cpp" line="+36"/>
        <source>writing the programming log %1</source>
        <translation>writing the programming log %1</translation>
    </message>
    <message>
        <location filename="../src/model/YamlShape.cpp" line="-136"/>
        <source>line %1: the text holds more than %2 brackets, colons, commas, dashes, quotes and lines, far more than a configuration; nothing was read</source>
        <translation>line %1: the text holds more than %2 brackets, colons, commas, dashes, quotes and lines, far more than a configuration; nothing was read</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>line %1: a second document starts here; a configuration is one document, so nothing was read</source>
        <translation>line %1: a second document starts here; a configuration is one document, so nothing was read</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>line %1: %2: given twice, on lines %3 and %1; a key is given once, so nothing was read</source>
        <translation>line %1: %2: given twice, on lines %3 and %1; a key is given once, so nothing was read</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>line %1: nested more than %2 levels deep, deeper than a configuration; nothing was read</source>
        <translation>line %1: nested more than %2 levels deep, deeper than a configuration; nothing was read</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelFieldEdit.cpp" line="+52"/>
        <source>the channel takes %1 to %2 MHz</source>
        <translation>the channel takes %1 to %2 MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 &quot;%2&quot; is not a frequency in MHz: %3.</source>
        <translation>%1 &quot;%2&quot; is not a frequency in MHz: %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 MHz is outside the band: %3.</source>
        <translation>%1 %2 MHz is outside the band: %3.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tx Freq %1 MHz cannot be kept with Rx Freq %2 MHz: set the Tx Freq first.</source>
        <translation>Tx Freq %1 MHz cannot be kept with Rx Freq %2 MHz: set the Tx Freq first.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not in the tone list: Off, 67.0 to 254.1, D023N to D754N or D023I to D754I.</source>
        <translation>%1 &quot;%2&quot; is not in the tone list: Off, 67.0 to 254.1, D023N to D754N or D023I to D754I.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 &quot;%2&quot; is not one of: %3.</source>
        <translation>%1 &quot;%2&quot; is not one of: %3.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Name &quot;%1&quot; is not up to 5 of the characters %2</source>
        <translation>Name &quot;%1&quot; is not up to 5 of the characters %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The channel is not in use: it starts with its Rx Freq.</source>
        <translation>The channel is not in use: it starts with its Rx Freq.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>channel %1, %2</source>
        <translation>channel %1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>channel %1: %2 &quot;%3&quot; stored as %4</source>
        <translation>channel %1: %2 &quot;%3&quot; stored as %4</translation>
    </message>
    <message>
        <location filename="../src/link/TransferMessage.cpp" line="-22"/>
        <source>Check the cable, that %1 is the port the radio is on, that the radio is switched on and in programming mode, and that no other program holds the port.</source>
        <translation>Check the cable, that %1 is the port the radio is on, that the radio is switched on and in programming mode, and that no other program holds the port.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Communication error: the radio did not answer on %1.</source>
        <translation>Communication error: the radio did not answer on %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error: the radio&apos;s identification on %1 was cut short.</source>
        <translation>Communication error: the radio&apos;s identification on %1 was cut short.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Communication error at address %1 (block %2 of %3).</source>
        <translation>Communication error at address %1 (block %2 of %3).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nothing was written to the radio.</source>
        <translation>Nothing was written to the radio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The radio may now hold a mix of old and new settings (%1 of %2 blocks were written) and must be written again before use.</source>
        <translation>The radio may now hold a mix of old and new settings (%1 of %2 blocks were written) and must be written again before use.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Read complete: %1 bytes from the radio.</source>
        <translation>Read complete: %1 bytes from the radio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write complete: %1 bytes; verified: the radio holds what was written.</source>
        <translation>Write complete: %1 bytes; verified: the radio holds what was written.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write complete: %1 bytes sent to the radio.</source>
        <translation>Write complete: %1 bytes sent to the radio.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another transfer with the radio is running; nothing was done.</source>
        <translation>Another transfer with the radio is running; nothing was done.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing was changed in the data set.</source>
        <translation>Nothing was changed in the data set.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write complete: %1 bytes; the read-back was cancelled, so the write is not verified.</source>
        <translation>Write complete: %1 bytes; the read-back was cancelled, so the write is not verified.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read cancelled: nothing was changed.</source>
        <translation>Read cancelled: nothing was changed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write cancelled after %1 of %2 blocks.</source>
        <translation>Write cancelled after %1 of %2 blocks.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write complete: %1 bytes, but reading them back failed, so the write is not verified.</source>
        <translation>Write complete: %1 bytes, but reading them back failed, so the write is not verified.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Write complete, but the radio does not hold what was written.</source>
        <translation>Write complete, but the radio does not hold what was written.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Differs at %1. Write it again before use.</source>
        <translation>Differs at %1. Write it again before use.</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelListing.cpp" line="+59"/>
        <source>-- Channel Info --</source>
        <translation>-- Channel Info --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CH Num</source>
        <translation>CH Num</translation>
    </message>
</context>
</TS>
