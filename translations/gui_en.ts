<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChannelFileCommands</name>
    <message>
        <location filename="../src/frame/ChannelFileCommands.cpp" line="+22"/>
        <source>Channel Lists (*.csv);;All Files (*)</source>
        <translation>Channel Lists (*.csv);;All Files (*)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Export Channels</source>
        <translation>Export Channels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Import channels</source>
        <translation>Import channels</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was imported from %1.
%2</source>
        <translation>Nothing was imported from %1.
%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2.
The lines below say what was skipped or changed.</source>
        <translation>%1: %2.
The lines below say what was skipped or changed.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The backup folder could not be opened:
%1</source>
        <translation>The backup folder could not be opened:
%1</translation>
    </message>
</context>
<context>
    <name>ChannelGridDialogs</name>
    <message>
        <location filename="../src/views/ChannelGridDialogs.cpp" line="+67"/>
        <source>Fill Selected Channels</source>
        <translation>Fill Selected Channels</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Field:</source>
        <translation>Field:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeater Shift</source>
        <translation>Repeater Shift</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tx = Rx + offset</source>
        <translation>Tx = Rx + offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx = Rx - offset</source>
        <translation>Tx = Rx - offset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset (MHz):</source>
        <translation>Offset (MHz):</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/app/FileCommands.cpp" line="+34"/>
        <source>Save changes?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Clear all data, 
Whether to continue?</source>
        <translation>Clear all data, 
Whether to continue?</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>read from the radio on %1 at %2</source>
        <translation>read from the radio on %1 at %2</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <location filename="../src/app/FileDialogs.cpp" line="+17"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../src/app/FileDialogs.h" line="+13"/>
        <source>Data Files (*.dat)</source>
        <translation>Data Files (*.dat)</translation>
    </message>
</context>
<context>
    <name>PowerCommands</name>
    <message>
        <location filename="../src/frame/PowerCommands.cpp" line="+18"/>
        <source>High power calibration</source>
        <translation>High power calibration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low power calibration</source>
        <translation>Low power calibration</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/app/Application.h" line="+23"/>
        <location filename="../src/link/ui/CTransferDlg.cpp" line="+226"/>
        <location filename="../src/link/ui/ProgramMessage.cpp" line="+21"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
</context>
<context>
    <name>ProgramMessage</name>
    <message>
        <location filename="../src/link/ui/ProgramMessage.cpp" line="-6"/>
        <source>
Choose the port under Setting, Port.</source>
        <translation>
Choose the port under Setting, Port.</translation>
    </message>
</context>
<context>
    <name>ProgrammingLogSetting</name>
    <message>
        <location filename="../src/frame/ProgrammingLogSetting.cpp" line="+44"/>
        <source>Programming log</source>
        <translation>Programming log</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Append a row for every radio written to a CSV file</source>
        <translation>Append a row for every radio written to a CSV file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every radio written is logged in %1</source>
        <translation>Every radio written is logged in %1</translation>
    </message>
</context>
<context>
    <name>ReadBackup</name>
    <message>
        <location filename="../src/frame/ReadBackup.cpp" line="+19"/>
        <source>The radio was read, but its backup could not be saved:
%1</source>
        <translation>The radio was read, but its backup could not be saved:
%1</translation>
    </message>
</context>
<context>
    <name>ViewKind</name>
    <message>
        <location filename="../src/frame/ProgramStartup.cpp" line="+36"/>
        <location filename="../src/frame/ViewKindTable.h" line="+36"/>
        <location line="+1"/>
        <source>Radio Frequency</source>
        <translation>Radio Frequency</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/frame/ViewKindTable.h" line="-4"/>
        <location line="+1"/>
        <source>Option Features</source>
        <translation>Option Features</translation>
    </message>
    <message>
        <location filename="../src/frame/ViewKindTable.h" line="-4"/>
        <location line="+1"/>
        <source>Radio Info</source>
        <translation>Radio Info</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Channel Infomation</source>
        <translation>Channel Infomation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel Info</source>
        <translation>Channel Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>DTMF Setting</source>
        <translation>DTMF Setting</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>ht57::CAboutDlg</name>
    <message>
        <location filename="../src/app/CAboutDlg.cpp" line="+24"/>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>ht57::CBaseFormView</name>
    <message>
        <location filename="../src/views/CBaseFormView.cpp" line="+57"/>
        <source>Edit %1 %2</source>
        <translation>Edit %1 %2</translation>
    </message>
</context>
<context>
    <name>ht57::CChInfoView</name>
    <message>
        <location filename="../src/views/CChInfoView.cpp" line="+114"/>
        <source>Channel Infomation</source>
        <translation>Channel Infomation</translation>
    </message>
    <message>
        <location line="+317"/>
        <source>Edit channel %1 %2</source>
        <translation>Edit channel %1 %2</translation>
    </message>
</context>
<context>
    <name>ht57::CDtmfView</name>
    <message>
        <location filename="../src/views/CDtmfView.cpp" line="+29"/>
        <source>DTMF Setting</source>
        <translation>DTMF Setting</translation>
    </message>
</context>
<context>
    <name>ht57::CFmView</name>
    <message>
        <location filename="../src/views/CFmView.cpp" line="+30"/>
        <source>Range：87.0-108.0MHz</source>
        <translation>Range：87.0-108.0MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Radio Frequency</source>
        <translation>Radio Frequency</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Copy Presets</source>
        <translation>&amp;Copy Presets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste Presets</source>
        <translation>&amp;Paste Presets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;lear</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+7"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Channel.|Frequency (MHz)</source>
        <translation>Channel.|Frequency (MHz)</translation>
    </message>
</context>
<context>
    <name>ht57::CImportOptionsDlg</name>
    <message>
        <location filename="../src/frame/CImportOptionsDlg.cpp" line="+25"/>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Store the list into the channels it names, or replace all channels?
&quot;Named Channels Only&quot;: channels the list does not name keep their records.
&quot;Replace All&quot;: channels the list does not fill are cleared, except channels whose row was skipped, which keep their record and are listed by number.</source>
        <translation>Store the list into the channels it names, or replace all channels?
&quot;Named Channels Only&quot;: channels the list does not name keep their records.
&quot;Replace All&quot;: channels the list does not fill are cleared, except channels whose row was skipped, which keep their record and are listed by number.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Place by Location</source>
        <translation>Place by Location</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Place from channel N</source>
        <translation>Place from channel N</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fill free channels</source>
        <translation>Fill free channels</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each row goes to the channel its Location column names.</source>
        <translation>Each row goes to the channel its Location column names.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The rows go in file order to channel N and the channels after it.</source>
        <translation>The rows go in file order to channel N and the channels after it.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The rows go in file order to the channels not in use.</source>
        <translation>The rows go in file order to the channels not in use.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep cut names distinct</source>
        <translation>Keep cut names distinct</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Names cut to five characters that would read alike end in a number (CITY1).</source>
        <translation>Names cut to five characters that would read alike end in a number (CITY1).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore unknown columns</source>
        <translation>Ignore unknown columns</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Columns with an empty or unknown header are passed over and named in the report.</source>
        <translation>Columns with an empty or unknown header are passed over and named in the report.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Named Channels Only</source>
        <translation>Named Channels Only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace All</source>
        <translation>Replace All</translation>
    </message>
</context>
<context>
    <name>ht57::CImportReportDlg</name>
    <message>
        <location filename="../src/frame/CImportReportDlg.cpp" line="+16"/>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>ht57::CMainFrame</name>
    <message>
        <location filename="../src/frame/CMainFrame.cpp" line="+143"/>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import Channels...</source>
        <translation>Import Channels...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Channels...</source>
        <translation>Export Channels...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Backup Folder</source>
        <translation>Open Backup Folder</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Embed Info</source>
        <translation>Embed Info</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+17"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+17"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Power</source>
        <translation>High Power</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Power</source>
        <translation>Low Power</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming log</source>
        <translation>Programming log</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;TreeBar</source>
        <translation>&amp;TreeBar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange</source>
        <translation>Arrange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Window</source>
        <translation>Next Window</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Window</source>
        <translation>Previous Window</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read</source>
        <comment>tool tip</comment>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <comment>tool tip</comment>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Setting</source>
        <translation>&amp;Setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>System &amp;default</source>
        <translation>System &amp;default</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The language changes when the program starts the next time.</source>
        <translation>The language changes when the program starts the next time.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tree Bar</source>
        <translation>Tree Bar</translation>
    </message>
    <message>
        <location line="+245"/>
        <location line="+11"/>
        <source>Read from radio</source>
        <translation>Read from radio</translation>
    </message>
</context>
<context>
    <name>ht57::CModelView</name>
    <message>
        <location filename="../src/views/CModelView.cpp" line="+22"/>
        <source>Radio Info</source>
        <translation>Radio Info</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequency Range</source>
        <translation>Frequency Range</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Channel data will be cleared!</source>
        <translation>Channel data will be cleared!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change band</source>
        <translation>Change band</translation>
    </message>
</context>
<context>
    <name>ht57::CMyChildFrame</name>
    <message>
        <location filename="../src/frame/CMyChildFrame.cpp" line="+110"/>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
</context>
<context>
    <name>ht57::COptionView</name>
    <message>
        <location filename="../src/views/COptionView.cpp" line="+76"/>
        <source>Option Features</source>
        <translation>Option Features</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Frequency Range</source>
        <translation>Frequency Range</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower frequency limit (MHz)</source>
        <translation>Lower frequency limit (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper frequency limit (MHz)</source>
        <translation>Upper frequency limit (MHz)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Frequency Mode</source>
        <translation>Frequency Mode</translation>
    </message>
    <message>
        <location line="+185"/>
        <source>The new frequency range clears %1 channel(s) in use.
Continue?</source>
        <translation>The new frequency range clears %1 channel(s) in use.
Continue?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Narrow frequency range</source>
        <translation>Narrow frequency range</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change frequency range</source>
        <translation>Change frequency range</translation>
    </message>
</context>
<context>
    <name>ht57::CPortDlg</name>
    <message>
        <location filename="../src/link/ui/CPortDlg.cpp" line="+19"/>
        <location line="+3"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ht57::CPowerAdjustDlg</name>
    <message>
        <location filename="../src/link/ui/CPowerAdjustDlg.cpp" line="+166"/>
        <source> Power Min</source>
        <translation> Power Min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>High Power</source>
        <translation>High Power</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low Power</source>
        <translation>Low Power</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The power values could not be taken back: the radio could not be reached.</source>
        <translation>The power values could not be taken back: the radio could not be reached.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The radio may still hold the values set in this dialog. Check the cable and the radio, then open the dialog again to see its values.</source>
        <translation>The radio may still hold the values set in this dialog. Check the cable and the radio, then open the dialog again to see its values.</translation>
    </message>
</context>
<context>
    <name>ht57::CTransferDlg</name>
    <message>
        <location filename="../src/link/ui/CTransferDlg.cpp" line="-194"/>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>The programming log was not written: %1 (%2)</source>
        <translation>The programming log was not written: %1 (%2)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Radio %1 failed and must be written again.</source>
        <translation>Radio %1 failed and must be written again.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Radio %1 has been written and verified.</source>
        <translation>Radio %1 has been written and verified.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Radio %1 has been written.</source>
        <translation>Radio %1 has been written.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write Next Radio</source>
        <translation>Write Next Radio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To write the same data to another radio, connect it and choose Write Next Radio.</source>
        <translation>To write the same data to another radio, connect it and choose Write Next Radio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Logged in %1.</source>
        <translation>Logged in %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Write (radio %1)</source>
        <translation>Write (radio %1)</translation>
    </message>
</context>
<context>
    <name>ht57::CViewPrintPreview</name>
    <message>
        <location filename="../src/frame/CViewPrintPreview.cpp" line="+10"/>
        <source>Print preview</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>ht57::ChannelGridCommands</name>
    <message>
        <location filename="../src/views/ChannelGridCommands.cpp" line="+33"/>
        <source>Sort by &amp;Rx Freq</source>
        <translation>Sort by &amp;Rx Freq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by &amp;Name</source>
        <translation>Sort by &amp;Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by T&amp;one</source>
        <translation>Sort by T&amp;one</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cu&amp;t Cells</source>
        <translation>Cu&amp;t Cells</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy Cells</source>
        <translation>&amp;Copy Cells</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste Cells</source>
        <translation>&amp;Paste Cells</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Insert Channel</source>
        <translation>&amp;Insert Channel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Channels</source>
        <translation>&amp;Delete Channels</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;lear</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fill...</source>
        <translation>&amp;Fill...</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Mo&amp;ve Up</source>
        <translation>Mo&amp;ve Up</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rep&amp;eater Shift...</source>
        <translation>Rep&amp;eater Shift...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fi&amp;nd...</source>
        <translation>Fi&amp;nd...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Ne&amp;xt</source>
        <translation>Find Ne&amp;xt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sort Channels</source>
        <translation>&amp;Sort Channels</translation>
    </message>
    <message>
        <location line="+107"/>
        <location line="+9"/>
        <location line="+7"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2 rows pasted. Not stored as written:</source>
        <translation>%1 of %2 rows pasted. Not stored as written:</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>Insert Channel</source>
        <translation>Insert Channel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Channels</source>
        <translation>Delete Channels</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Channels</source>
        <translation>Move Channels</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Fill %1</source>
        <translation>Fill %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>Repeater Shift</source>
        <translation>Repeater Shift</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+16"/>
        <source>Find Channel</source>
        <translation>Find Channel</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Name or frequency (MHz):</source>
        <translation>Name or frequency (MHz):</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>No channel matches &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ht57::SpinButtons</name>
    <message>
        <location filename="../src/views/SpinButtons.cpp" line="+50"/>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Down</translation>
    </message>
</context>
</TS>
