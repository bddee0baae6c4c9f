<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelFileCommands</name>
    <message>
        <location filename="../src/frame/ChannelFileCommands.cpp" line="+22"/>
        <source>Channel Lists (*.csv);;All Files (*)</source>
        <translation>信道列表 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Import channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was imported from %1.
%2</source>
        <translation>未从 %1 导入任何内容。
%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2.
The lines below say what was skipped or changed.</source>
        <translation>%1：%2。
下面各行说明了跳过或改动的内容。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The backup folder could not be opened:
%1</source>
        <translation>无法打开备份文件夹：
%1</translation>
    </message>
</context>
<context>
    <name>ChannelGridDialogs</name>
    <message>
        <location filename="../src/views/ChannelGridDialogs.cpp" line="+67"/>
        <source>Fill Selected Channels</source>
        <translation>填充所选信道</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Field:</source>
        <translation>字段：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Value:</source>
        <translation>值：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeater Shift</source>
        <translation>中继差频</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tx = Rx + offset</source>
        <translation>发射 = 接收 + 差频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx = Rx - offset</source>
        <translation>发射 = 接收 - 差频</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset (MHz):</source>
        <translation>差频 (MHz)：</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/app/FileCommands.cpp" line="+34"/>
        <source>Save changes?</source>
        <translation>保存更改吗？</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Clear all data, 
Whether to continue?</source>
        <translation>将清除所有数据，
是否继续？</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>read from the radio on %1 at %2</source>
        <translation>于 %2 从电台 %1 读取</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <location filename="../src/app/FileDialogs.cpp" line="+17"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/app/FileDialogs.h" line="+13"/>
        <source>Data Files (*.dat)</source>
        <translation>数据文件 (*.dat)</translation>
    </message>
</context>
<context>
    <name>PowerCommands</name>
    <message>
        <location filename="../src/frame/PowerCommands.cpp" line="+18"/>
        <source>High power calibration</source>
        <translation>高功率校准</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low power calibration</source>
        <translation>低功率校准</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/app/Application.h" line="+23"/>
        <location filename="../src/link/ui/CTransferDlg.cpp" line="+226"/>
        <location filename="../src/link/ui/ProgramMessage.cpp" line="+21"/>
        <source>Program</source>
        <translation>写频软件</translation>
    </message>
</context>
<context>
    <name>ProgramMessage</name>
    <message>
        <location filename="../src/link/ui/ProgramMessage.cpp" line="-6"/>
        <source>
Choose the port under Setting, Port.</source>
        <translation>
请在“设置”菜单的“端口”中选择端口。</translation>
    </message>
</context>
<context>
    <name>ProgrammingLogSetting</name>
    <message>
        <location filename="../src/frame/ProgrammingLogSetting.cpp" line="+44"/>
        <source>Programming log</source>
        <translation>编程日志</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Append a row for every radio written to a CSV file</source>
        <translation>每写入一台电台，就在 CSV 文件中追加一行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every radio written is logged in %1</source>
        <translation>每台写入的电台都记录在 %1 中</translation>
    </message>
</context>
<context>
    <name>ReadBackup</name>
    <message>
        <location filename="../src/frame/ReadBackup.cpp" line="+19"/>
        <source>The radio was read, but its backup could not be saved:
%1</source>
        <translation>已读取对讲机，但无法保存其备份：
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
        <translation>收音机频率</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/frame/ViewKindTable.h" line="-4"/>
        <location line="+1"/>
        <source>Option Features</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <location filename="../src/frame/ViewKindTable.h" line="-4"/>
        <location line="+1"/>
        <source>Radio Info</source>
        <translation>对讲机信息</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radio</source>
        <translation>收音机</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Channel Infomation</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Channel Info</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>DTMF Setting</source>
        <translation>DTMF 设置</translation>
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
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>ht57::CBaseFormView</name>
    <message>
        <location filename="../src/views/CBaseFormView.cpp" line="+57"/>
        <source>Edit %1 %2</source>
        <translation>编辑 %1 %2</translation>
    </message>
</context>
<context>
    <name>ht57::CChInfoView</name>
    <message>
        <location filename="../src/views/CChInfoView.cpp" line="+114"/>
        <source>Channel Infomation</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <location line="+317"/>
        <source>Edit channel %1 %2</source>
        <translation>编辑信道 %1 %2</translation>
    </message>
</context>
<context>
    <name>ht57::CDtmfView</name>
    <message>
        <location filename="../src/views/CDtmfView.cpp" line="+29"/>
        <source>DTMF Setting</source>
        <translation>DTMF 设置</translation>
    </message>
</context>
<context>
    <name>ht57::CFmView</name>
    <message>
        <location filename="../src/views/CFmView.cpp" line="+30"/>
        <source>Range：87.0-108.0MHz</source>
        <translation>范围：87.0-108.0MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Radio Frequency</source>
        <translation>收音机频率</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Copy Presets</source>
        <translation>复制预设(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste Presets</source>
        <translation>粘贴预设(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+7"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Channel.|Frequency (MHz)</source>
        <translation>频道|频率 (MHz)</translation>
    </message>
</context>
<context>
    <name>ht57::CImportOptionsDlg</name>
    <message>
        <location filename="../src/frame/CImportOptionsDlg.cpp" line="+25"/>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Store the list into the channels it names, or replace all channels?
&quot;Named Channels Only&quot;: channels the list does not name keep their records.
&quot;Replace All&quot;: channels the list does not fill are cleared, except channels whose row was skipped, which keep their record and are listed by number.</source>
        <translation>将列表存入其指定的信道，还是替换全部信道？
“仅指定的信道”：列表未指定的信道保持原有记录。
“全部替换”：列表未填入的信道被清除，但所在行被跳过的信道除外，这些信道保持原有记录并按编号列出。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Place by Location</source>
        <translation>按位置存放</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Place from channel N</source>
        <translation>从第 N 个信道起存放</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fill free channels</source>
        <translation>填入空闲信道</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each row goes to the channel its Location column names.</source>
        <translation>每一行存入其 Location 列指定的信道。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The rows go in file order to channel N and the channels after it.</source>
        <translation>各行按文件顺序存入第 N 个信道及其后的信道。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The rows go in file order to the channels not in use.</source>
        <translation>各行按文件顺序存入未使用的信道。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep cut names distinct</source>
        <translation>截短的名称保持不重复</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Names cut to five characters that would read alike end in a number (CITY1).</source>
        <translation>截为五个字符后会相同的名称在末尾加上编号（CITY1）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore unknown columns</source>
        <translation>忽略未知列</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Columns with an empty or unknown header are passed over and named in the report.</source>
        <translation>标题为空或未知的列将被略过，并在报告中列出。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Named Channels Only</source>
        <translation>仅指定的信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace All</source>
        <translation>全部替换</translation>
    </message>
</context>
<context>
    <name>ht57::CImportReportDlg</name>
    <message>
        <location filename="../src/frame/CImportReportDlg.cpp" line="+16"/>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>ht57::CMainFrame</name>
    <message>
        <location filename="../src/frame/CMainFrame.cpp" line="+143"/>
        <source>&amp;New	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Channels...</source>
        <translation>导出信道(&amp;E)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Backup Folder</source>
        <translation>打开备份文件夹(&amp;B)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Embed Info</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+17"/>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+17"/>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U) %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R) %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Power</source>
        <translation>高功率(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Power</source>
        <translation>低功率(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>端口(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programming log</source>
        <translation>编程日志</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;TreeBar</source>
        <translation>树形栏(&amp;T)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Window</source>
        <translation>下一个窗口(&amp;N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Window</source>
        <translation>上一个窗口(&amp;P)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read</source>
        <comment>tool tip</comment>
        <translation>读频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write</source>
        <comment>tool tip</comment>
        <translation>写频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>System &amp;default</source>
        <translation>跟随系统(&amp;D)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The language changes when the program starts the next time.</source>
        <translation>语言将在程序下次启动时更改。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tree Bar</source>
        <translation>树形栏</translation>
    </message>
    <message>
        <location line="+245"/>
        <location line="+11"/>
        <source>Read from radio</source>
        <translation>从对讲机读频</translation>
    </message>
</context>
<context>
    <name>ht57::CModelView</name>
    <message>
        <location filename="../src/views/CModelView.cpp" line="+22"/>
        <source>Radio Info</source>
        <translation>对讲机信息</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequency Range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Channel data will be cleared!</source>
        <translation>信道数据将被清除！</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Change band</source>
        <translation>更改频段</translation>
    </message>
</context>
<context>
    <name>ht57::CMyChildFrame</name>
    <message>
        <location filename="../src/frame/CMyChildFrame.cpp" line="+110"/>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
</context>
<context>
    <name>ht57::COptionView</name>
    <message>
        <location filename="../src/views/COptionView.cpp" line="+76"/>
        <source>Option Features</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Frequency Range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower frequency limit (MHz)</source>
        <translation>频率下限（MHz）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper frequency limit (MHz)</source>
        <translation>频率上限（MHz）</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Frequency Mode</source>
        <translation>频率模式</translation>
    </message>
    <message>
        <location line="+185"/>
        <source>The new frequency range clears %1 channel(s) in use.
Continue?</source>
        <translation>新的频率范围将清除 %1 个在用信道。
是否继续？</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Narrow frequency range</source>
        <translation>缩小频率范围</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Change frequency range</source>
        <translation>更改频率范围</translation>
    </message>
</context>
<context>
    <name>ht57::CPortDlg</name>
    <message>
        <location filename="../src/link/ui/CPortDlg.cpp" line="+19"/>
        <location line="+3"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ht57::CPowerAdjustDlg</name>
    <message>
        <location filename="../src/link/ui/CPowerAdjustDlg.cpp" line="+166"/>
        <source> Power Min</source>
        <translation> 功率最小</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>High Power</source>
        <translation>高功率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low Power</source>
        <translation>低功率</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The power values could not be taken back: the radio could not be reached.</source>
        <translation>无法恢复功率值：无法连接电台。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The radio may still hold the values set in this dialog. Check the cable and the radio, then open the dialog again to see its values.</source>
        <translation>电台可能仍保存着本对话框中设置的值。请检查连接线和电台，然后再次打开本对话框查看其值。</translation>
    </message>
</context>
<context>
    <name>ht57::CTransferDlg</name>
    <message>
        <location filename="../src/link/ui/CTransferDlg.cpp" line="-194"/>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>The programming log was not written: %1 (%2)</source>
        <translation>编程日志未能写入：%1（%2）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Radio %1 failed and must be written again.</source>
        <translation>第 %1 台电台写入失败，必须重新写入。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Radio %1 has been written and verified.</source>
        <translation>第 %1 台电台已写入并校验。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Radio %1 has been written.</source>
        <translation>第 %1 台电台已写入。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write Next Radio</source>
        <translation>写下一台电台</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To write the same data to another radio, connect it and choose Write Next Radio.</source>
        <translation>要把同样的数据写入另一台电台，请连接该电台并选择“写下一台电台”。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Logged in %1.</source>
        <translation>已记录在 %1 中。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Write (radio %1)</source>
        <translation>写频（第 %1 台）</translation>
    </message>
</context>
<context>
    <name>ht57::CViewPrintPreview</name>
    <message>
        <location filename="../src/frame/CViewPrintPreview.cpp" line="+10"/>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
</context>
<context>
    <name>ht57::ChannelGridCommands</name>
    <message>
        <location filename="../src/views/ChannelGridCommands.cpp" line="+33"/>
        <source>Sort by &amp;Rx Freq</source>
        <translation>按接收频率排序(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by &amp;Name</source>
        <translation>按名称排序(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort by T&amp;one</source>
        <translation>按亚音排序(&amp;O)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cu&amp;t Cells</source>
        <translation>剪切单元格(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy Cells</source>
        <translation>复制单元格(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste Cells</source>
        <translation>粘贴单元格(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Channels</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fill...</source>
        <translation>填充(&amp;F)...</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Mo&amp;ve Up</source>
        <translation>上移(&amp;V)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rep&amp;eater Shift...</source>
        <translation>中继差频(&amp;E)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fi&amp;nd...</source>
        <translation>查找(&amp;N)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Ne&amp;xt</source>
        <translation>查找下一个(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sort Channels</source>
        <translation>信道排序(&amp;S)</translation>
    </message>
    <message>
        <location line="+107"/>
        <location line="+9"/>
        <location line="+7"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2 rows pasted. Not stored as written:</source>
        <translation>已粘贴 %2 行中的 %1 行。以下内容未按原样保存：</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Channels</source>
        <translation>移动信道</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Fill %1</source>
        <translation>填充%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>Repeater Shift</source>
        <translation>中继差频</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+16"/>
        <source>Find Channel</source>
        <translation>查找信道</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Name or frequency (MHz):</source>
        <translation>名称或频率 (MHz)：</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>没有与“%1”匹配的信道。</translation>
    </message>
</context>
<context>
    <name>ht57::SpinButtons</name>
    <message>
        <location filename="../src/views/SpinButtons.cpp" line="+50"/>
        <source>Up</source>
        <translation>向上</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>向下</translation>
    </message>
</context>
</TS>
