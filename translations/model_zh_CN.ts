<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Model</name>
    <message>
        <location filename="../src/model/Backup.cpp" line="+39"/>
        <source>writing the backup %1</source>
        <translation>写入备份 %1</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelClipboard.cpp" line="+119"/>
        <source>The pasted header names the column &quot;%1&quot; twice; nothing was pasted.</source>
        <translation>粘贴内容的标题行两次列出“%1”列；未粘贴任何内容。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The pasted header&apos;s column %1 (&quot;%2&quot;) is not a column of the grid; nothing was pasted.</source>
        <translation>粘贴内容标题行的第 %1 列（“%2”）不是表格中的列；未粘贴任何内容。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Line %1 of the pasted text has values past its header&apos;s last column; nothing was pasted.</source>
        <translation>粘贴内容的第 %1 行在标题行最后一列之后还有数值；未粘贴任何内容。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line %1 of the pasted text has %2 values, but from %3 on the grid has %4 columns; nothing was pasted.</source>
        <translation>粘贴内容的第 %1 行有 %2 个数值，但表格从 %3 起只有 %4 列；未粘贴任何内容。</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>the channel is empty: it starts with an Rx Freq; nothing stored</source>
        <translation>该信道为空：需先有接收频率；未保存任何内容</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 &quot;%2&quot; is not a frequency in MHz; not stored</source>
        <translation>%1“%2”不是以 MHz 为单位的频率；未保存</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 &quot;%2&quot; is outside the band %3 to %4 MHz; not stored</source>
        <translation>%1“%2”超出频段 %3 至 %4 MHz；未保存</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 &quot;%2&quot; is off the channel raster: stored as %3</source>
        <translation>%1“%2”不在信道步进上：已保存为 %3</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 &quot;%2&quot; is not a value of the column; not stored</source>
        <translation>%1“%2”不是该列的可选值；未保存</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Name &quot;%1&quot; stored as &quot;%2&quot;</source>
        <translation>名称“%1”已保存为“%2”</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelCsv.cpp" line="+1013"/>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <location filename="../src/model/ConfigYaml.cpp" line="+769"/>
        <location filename="../src/model/YamlShape.cpp" line="+166"/>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelClipboard.cpp" line="+79"/>
        <source>The clipboard holds no channel values to paste.</source>
        <translation>剪贴板中没有可粘贴的信道数据。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: there is no channel %2; not stored</source>
        <translation>第 %1 行：没有信道 %2；未保存</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelCsv.cpp" line="-781"/>
        <source>no Location</source>
        <translation>缺少 Location</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Location %1 is not a channel number</source>
        <translation>Location %1 不是信道号</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Location %1 is outside %2-%3</source>
        <translation>Location %1 超出 %2-%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Location %1 already came on line %2</source>
        <translation>Location %1 已在第 %2 行出现过</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no Frequency</source>
        <translation>缺少 Frequency</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Frequency %1 is not a number in MHz</source>
        <translation>Frequency %1 不是以 MHz 为单位的数字</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>receive frequency %1 MHz is outside %2</source>
        <translation>接收频率 %1 MHz 超出 %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>receive frequency %1 MHz is off the channel raster: stored as %2</source>
        <translation>接收频率 %1 MHz 不在信道步进上：已保存为 %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Duplex &quot;off&quot; (transmit disabled) cannot be stored: every channel of this radio transmits</source>
        <translation>Duplex “off”（禁止发射）无法保存：本机每个信道都可发射</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Duplex %1 is not known</source>
        <translation>无法识别 Duplex %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Offset %1 is not a frequency in MHz</source>
        <translation>Offset %1 不是以 MHz 为单位的频率</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>transmit frequency would be below 0 MHz</source>
        <translation>发射频率将低于 0 MHz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit frequency lies too far from the receive frequency to store</source>
        <translation>发射频率与接收频率相差太远，无法保存</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>transmit frequency %1 is outside %2</source>
        <translation>发射频率 %1 超出 %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+56"/>
        <source>tone %1 is not in the radio&apos;s tone list</source>
        <translation>亚音 %1 不在本机的亚音列表中</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>CrossMode %1 is not known</source>
        <translation>无法识别 CrossMode %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>tone mode %1 (reverse squelch) has no equivalent on this radio</source>
        <translation>亚音模式 %1（反向静噪）在本机上没有对应功能</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tone mode %1 is not known</source>
        <translation>无法识别亚音模式 %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DtcsPolarity %1 is not two letters N or R</source>
        <translation>DtcsPolarity %1 不是两个 N 或 R 字母</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>DCS code %1 is not in the radio&apos;s tone list</source>
        <translation>数字亚音码 %1 不在本机的亚音列表中</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Mode %1 cannot be stored: the radio has FM (Wide) and NFM (Narrow) only</source>
        <translation>Mode %1 无法保存：本机只有 FM（宽带）和 NFM（窄带）</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>power %1 stored as %2</source>
        <translation>功率 %1 已保存为 %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>power %1 stored as Low (the radio has High and Low)</source>
        <translation>功率 %1 已保存为 Low（本机只有 High 和 Low）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>power %1 is not understood: stored as Low</source>
        <translation>无法识别功率 %1：已保存为 Low</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>BusyLock %1 is not known: stored as Off</source>
        <translation>无法识别 BusyLock %1：已保存为 Off</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 %2 dropped</source>
        <translation>%1 %2 已舍弃</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>name %1 stored as %2</source>
        <translation>名称 %1 已保存为 %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>busy lock %1 replaced by %2</source>
        <translation>遇忙禁发 %1 已改为 %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>transmit frequency %1 cannot be stored exactly with receive frequency %2: stored as %3</source>
        <translation>发射频率 %1 无法与接收频率 %2 精确保存：已保存为 %3</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The column %1 appears twice, so the file is not read.</source>
        <translation>列 %1 出现了两次，因此未读取该文件。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+59"/>
        <location line="+179"/>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location line="-232"/>
        <source>The file is not a channel list: its first line names no Location and Frequency columns.</source>
        <translation>该文件不是信道列表：第一行没有 Location 和 Frequency 列。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>first line %1</source>
        <translation>首行为第 %1 行</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>column %1 (no name)</source>
        <translation>第 %1 列（无名称）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1 %2</source>
        <translation>第 %1 列 %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file is not read: its header names columns a channel list does not have: %1. Correct the header, or import with unknown columns ignored.</source>
        <translation>未读取该文件：其标题行含有信道列表没有的列：%1。请更正标题行，或选择忽略未知列后再导入。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is no column of a channel list: its values were ignored</source>
        <translation>%1 不是信道列表的列：其数值已忽略</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>channels %1 read alike as %2 once their names are cut to five characters (%3); the option to keep cut names distinct (--distinct-names) numbers them</source>
        <translation>信道 %1 的名称截为五个字符后都成了 %2（%3）；“截短的名称保持不重复”选项（--distinct-names）会给它们编号</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The file is in UTF-16. Save it as UTF-8 and import it again.</source>
        <translation>该文件为 UTF-16 编码。请另存为 UTF-8 后重新导入。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file holds no channel list.</source>
        <translation>该文件中没有信道列表。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>A quoted field that starts in the record on line %1 is never closed, so the rest of the file cannot be read.</source>
        <translation>第 %1 行记录中的引号字段没有结束，文件其余部分无法读取。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The file holds no channel rows.</source>
        <translation>该文件中没有信道行。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>only the header on line %1</source>
        <translation>只有第 %1 行的表头</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the file numbers its channels from 0: every row was placed one channel higher</source>
        <translation>该文件的信道从 0 开始编号：每一行都已顺延一个信道</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the row has %1 fields, more than the %2 columns the header names, so its values may be out of place</source>
        <translation>该行有 %1 个字段，多于标题行列出的 %2 列，其数值可能错位</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no free channel is left</source>
        <translation>没有剩余的空闲信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no channel is left after %1</source>
        <translation>%1 之后已没有信道</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>channels of skipped rows, kept as they were: %1</source>
        <translation>被跳过的行所指的信道，保持原样：%1</translation>
    </message>
    <message>
        <location line="-316"/>
        <source>name made distinct as %1</source>
        <translation>名称已区分为 %1</translation>
    </message>
    <message>
        <location line="-649"/>
        <source>no Name column: every channel stored without a name</source>
        <translation>没有 Name 列：所有信道都不带名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Duplex column: every channel simplex</source>
        <translation>没有 Duplex 列：所有信道均为同频</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Offset column: + and - channels transmit on their receive frequency</source>
        <translation>没有 Offset 列：+ 和 - 信道在接收频率上发射</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no Tone column: every channel without tones (Off)</source>
        <translation>没有 Tone 列：所有信道都不带亚音（关）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no DtcsPolarity column: DCS codes read as normal (NN)</source>
        <translation>没有 DtcsPolarity 列：数字亚音按正向（NN）读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no RxDtcsCode column: Cross channels take their receive DCS code from DtcsCode</source>
        <translation>没有 RxDtcsCode 列：Cross 信道的接收数字亚音取自 DtcsCode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no CrossMode column: Cross channels read as Tone-&gt;Tone</source>
        <translation>没有 CrossMode 列：Cross 信道按 Tone-&gt;Tone 读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Mode column: every channel Wide (FM)</source>
        <translation>没有 Mode 列：所有信道均为宽带（FM）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Power column: every channel High</source>
        <translation>没有 Power 列：所有信道均为大功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no BusyLock column: every channel&apos;s busy lock Off</source>
        <translation>没有 BusyLock 列：所有信道的遇忙禁发均为关</translation>
    </message>
    <message>
        <location line="+891"/>
        <source>No row of the file could be stored, so no channel was cleared.</source>
        <translation>文件中没有任何一行可以保存，因此未清除任何信道。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No row of the file could be stored, so nothing was changed.</source>
        <translation>文件中没有任何一行可以保存，因此未做任何更改。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 of %2 row stored</source>
        <translation>%2 行中已保存 %1 行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2 rows stored</source>
        <translation>%2 行中已保存 %1 行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 skipped</source>
        <translation>跳过 %1 行</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 channel of a skipped row kept as it was</source>
        <translation>被跳过的行所指的 %1 个信道保持原样</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 channels of skipped rows kept as they were</source>
        <translation>被跳过的行所指的 %1 个信道保持原样</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 other channel cleared</source>
        <translation>另外清除了 %1 个信道</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 other channels cleared</source>
        <translation>另外清除了 %1 个信道</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1, channel %2: skipped: %3</source>
        <translation>第 %1 行，信道 %2：已跳过：%3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, channel %2: imported: %3</source>
        <translation>第 %1 行，信道 %2：已导入：%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>line %1: skipped: %2</source>
        <translation>第 %1 行：已跳过：%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: imported: %2</source>
        <translation>第 %1 行：已导入：%2</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+4"/>
        <location filename="../src/model/ProgramFolders.cpp" line="+77"/>
        <source>reading %1</source>
        <translation>读取 %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The file is too large for a channel list.</source>
        <translation>该文件太大，不是信道列表。</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelRows.cpp" line="+74"/>
        <source>There is no channel %1.</source>
        <translation>没有信道 %1。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Channel %1 is in use and would be lost. Delete or clear it first.</source>
        <translation>信道 %1 正在使用，将会丢失。请先删除或清除它。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>inserting a channel at %1</source>
        <translation>在 %1 处插入信道</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>&quot;%1&quot; is not a value of this column.</source>
        <translation>“%1”不是该列的可选值。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The offset &quot;%1&quot; is not a frequency in MHz.</source>
        <translation>频差“%1”不是以 MHz 为单位的频率。</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../src/model/ImageDiff.cpp" line="+110"/>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The transmit frequency of channel %1 would lie outside the band (%2 to %3). Nothing was changed.</source>
        <translation>信道 %1 的发射频率将超出频段（%2 至 %3）。未做任何更改。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The offset is off the channel raster; channel %1 would transmit on %2. Nothing was changed.</source>
        <translation>频差不在信道步进上；信道 %1 将在 %2 上发射。未做任何更改。</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelTable.cpp" line="+34"/>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rx Tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Busy Lock</source>
        <translation>遇忙禁发</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/model/OptionLists.h" line="+22"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../src/model/Config.cpp" line="+45"/>
        <source>%1 Progamming Software</source>
        <translation>%1 写频软件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Programming Software</source>
        <translation>%1 写频软件</translation>
    </message>
    <message>
        <location filename="../src/model/ConfigYaml.cpp" line="-710"/>
        <source>%1 is not whole MHz</source>
        <translation>%1 不是整数 MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 不是以 MHz 为单位的频率</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not up to 8 of 0-9 and A-F</source>
        <translation>%1 不是最多 8 位的 0-9 和 A-F</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a time in milliseconds</source>
        <translation>%1 不是以毫秒为单位的时间</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is outside the range the radio can hold</source>
        <translation>%1 超出本机可保存的范围</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be given as text</source>
        <translation>%1 不能以文本形式给出</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>line %1: %2: %3</source>
        <translation>第 %1 行：%2：%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>this value</source>
        <translation>该值</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 is not one of %2</source>
        <translation>%1 不是以下之一：%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+171"/>
        <source>needs a single value</source>
        <translation>需要单个值</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>%1 is not %2 or %3</source>
        <translation>%1 不是 %2 或 %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not true or false</source>
        <translation>%1 不是 true 或 false</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>needs keys and values</source>
        <translation>需要键和值</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+120"/>
        <location line="+255"/>
        <source>unknown key &quot;%1&quot;</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <location line="-287"/>
        <source>needs channel numbers and their fields</source>
        <translation>需要信道号及其字段</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a channel from 1 to 128</source>
        <translation>“%1”不是 1 至 128 的信道</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>needs the channel&apos;s fields, or null when not in use</source>
        <translation>需要信道的字段，未使用时为 null</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>line %1: %2: %3 lies outside %4; kept as stored</source>
        <translation>第 %1 行：%2：%3 超出 %4；按存储值保留</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>needs preset numbers and frequencies</source>
        <translation>需要预置号和频率</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 is not empty or 87.0 to 108.0 MHz</source>
        <translation>%1 既不为空，也不在 87.0 至 108.0 MHz 之间</translation>
    </message>
    <message>
        <location line="+170"/>
        <location line="+115"/>
        <source>top level</source>
        <translation>顶层</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>&quot;%1&quot; is more than the field can hold</source>
        <translation>“%1”超出该字段的容量</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>&quot;%1&quot; is not a preset from %2 to %3</source>
        <translation>&quot;%1&quot; 不是 %2 到 %3 的预置号</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 is not a format this program reads (1 or 2)</source>
        <translation>%1 不是本程序能读取的格式（1 或 2）</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the range %1-%2MHz clears channel(s) %3 in use; give them as null under channels to clear them</source>
        <translation>范围 %1-%2MHz 会清除正在使用的信道 %3；要清除它们，请在 channels 下把它们写为 null</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>channel %1 is not in use</source>
        <translation>信道 %1 未使用</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>needs the sections as keys</source>
        <translation>需要以各节作为键</translation>
    </message>
    <message>
        <location filename="../src/model/DataFile.cpp" line="+25"/>
        <location filename="../src/model/IniFile.cpp" line="+51"/>
        <source>Cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Not a data file</source>
        <translation>不是数据文件</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 bytes long instead of %2</source>
        <translation>长度为 %1 字节，而不是 %2 字节</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a data file</source>
        <translation>%1 不是数据文件</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 is not bytes long instead of %2</source>
        <translation>%1 的长度不是 %2 字节</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is %2 bytes long instead of %3</source>
        <translation>%1 的长度为 %2 字节，而不是 %3 字节</translation>
    </message>
    <message>
        <location filename="../src/model/DataFile.h" line="+28"/>
        <source>File does not match</source>
        <translation>文件不匹配</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件格式不对！</source>
        <translation>文件格式不对！</translation>
    </message>
    <message>
        <location filename="../src/model/FileAccess.cpp" line="+131"/>
        <location line="+29"/>
        <location line="+111"/>
        <location line="+27"/>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+3"/>
        <location line="+39"/>
        <source>Cannot replace %1</source>
        <translation>无法替换 %1</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Cannot create a file beside %1</source>
        <translation>无法在 %1 旁创建文件</translation>
    </message>
    <message>
        <location filename="../src/model/FileAccess.h" line="+17"/>
        <source>Sorry, error not find.</source>
        <translation>抱歉，未找到错误信息。</translation>
    </message>
    <message>
        <location filename="../src/model/FmCodec.cpp" line="+89"/>
        <source>preset %1: &quot;%2&quot; has no preset to go to; not stored</source>
        <translation>预置 %1：“%2”没有可存入的预置；未保存</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>preset %1: &quot;%2&quot; is not a frequency from 87.0 to 108.0 MHz; not stored</source>
        <translation>预置 %1：“%2”不是 87.0 至 108.0 MHz 的频率；未保存</translation>
    </message>
    <message>
        <location filename="../src/model/ImageDiff.cpp" line="-58"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>frequency mode record</source>
        <translation>频率模式记录</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>settings block</source>
        <translation>设置区</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FM channels</source>
        <translation>收音机频道</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF block</source>
        <translation>DTMF 区</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>power calibration</source>
        <translation>功率校准</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no field</source>
        <translation>无字段</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>header block</source>
        <translation>文件头区</translation>
    </message>
    <message>
        <location filename="../src/model/IniFile.cpp" line="-7"/>
        <source>Cannot write this entry to %1</source>
        <translation>无法将此项写入 %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cannot rewrite %1</source>
        <translation>无法重写 %1</translation>
    </message>
    <message>
        <location filename="../src/model/ProgramFolders.cpp" line="-9"/>
        <source>creating %1</source>
        <translation>创建 %1</translation>
    </message>
    <message>
        <location filename="../src/model/SettingsFields.h" line="+91"/>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>VOX Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TOT (s)</source>
        <translation>发射限时 (秒)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Back Light</source>
        <translation>背光</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Channel Disp Way</source>
        <translation>信道显示方式</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>DTMF Code</source>
        <translation>DTMF 码</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PF3</source>
        <translation>PF3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Frequency Range lower limit (MHz)</source>
        <translation>频率范围下限 (MHz)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequency Range upper limit (MHz)</source>
        <translation>频率范围上限 (MHz)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save</source>
        <translation>省电</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Channel Embed Enable</source>
        <translation>启用信道嵌入</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Priority Scan</source>
        <translation>优先扫描</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Scan Mode</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Work Mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Only Channel Mode</source>
        <translation>仅信道模式</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Step</source>
        <translation>步进</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Side Tone</source>
        <translation>侧音</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Receive Enable</source>
        <translation>允许接收</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rx Frequency (MHz)</source>
        <translation>接收频率 (MHz)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wide / Narrow</source>
        <translation>宽带 / 窄带</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Duplex</source>
        <translation>频差方向</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Offset Frequency (MHz)</source>
        <translation>频差 (MHz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>First Digit Delay (ms)</source>
        <translation>首位延时 (毫秒)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Digit Intervel (ms)</source>
        <translation>码间间隔 (毫秒)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Digit Delay Time (ms)</source>
        <translation>码持续时间 (毫秒)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>FM channel</source>
        <translation>收音机频道</translation>
    </message>
    <message>
        <location filename="../src/link/LinkOutcome.h" line="+46"/>
        <location filename="../src/link/TransferMessage.cpp" line="+110"/>
        <source>Fail to open port </source>
        <translation>无法打开端口 </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/link/TransferMessage.cpp" line="-65"/>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <location filename="../src/link/PortAccess.cpp" line="+187"/>
        <source>process %1</source>
        <translation>进程 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>No serial port is set.</source>
        <translation>尚未设置串口。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no serial port %1. Check that the programming cable is plugged in, or choose the port it appears as.</source>
        <translation>没有串口 %1。请检查写频线是否已插好，或选择它所对应的端口。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not use %1: it belongs to the group &quot;%2&quot;, and you are not a member. Add yourself with
    sudo usermod -aG %2 $USER
then log out and in again: the new group counts from the next login.</source>
        <translation>您无权使用 %1：它属于用户组“%2”，而您不是该组成员。请用以下命令加入：
    sudo usermod -aG %2 $USER
然后注销并重新登录：新的用户组从下次登录起生效。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>You may not use %1: only its owner may. Install the program&apos;s udev rule or ask the administrator for access.</source>
        <translation>您无权使用 %1：只有其所有者可以使用。请安装本程序的 udev 规则，或请管理员开放权限。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is the system console, not a radio port. Choose another port.</source>
        <translation>%1 是系统控制台，不是电台端口。请选择其他端口。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is in use by another program. Close that program and try again.</source>
        <translation>%1 正被其他程序占用。请关闭该程序后重试。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is in use by another program (%2). Close that program and try again.</source>
        <translation>%1 正被其他程序（%2）占用。请关闭该程序后重试。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot open %1.</source>
        <translation>无法打开 %1。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <location filename="../src/link/PortCatalog.cpp" line="+64"/>
        <source>Manufacturer: </source>
        <translation>制造商：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial number: </source>
        <translation>序列号：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB id: </source>
        <translation>USB ID：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable name: </source>
        <translation>固定名称：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>busy</source>
        <translation>占用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no access</source>
        <translation>无权限</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelRecord.h" line="+42"/>
        <location filename="../src/model/OptionLists.h" line="+10"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/model/OptionLists.h" line="+1"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/model/OptionLists.h" line="-3"/>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/model/OptionLists.h" line="+1"/>
        <source>Wide</source>
        <translation>宽带</translation>
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
        <translation>关</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QT/DQT</source>
        <translation>QT/DQT</translation>
    </message>
    <message>
        <location filename="../src/model/OptionLists.h" line="-15"/>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Continued</source>
        <translation>常亮</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>BOT</source>
        <translation>按下时</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EOT</source>
        <translation>松开时</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Both</source>
        <translation>两者</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamp</source>
        <translation>照明灯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plus</source>
        <translation>正</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Minus</source>
        <translation>负</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <location filename="../src/model/ConfigReadBack.cpp" line="+77"/>
        <source>a channel</source>
        <translation>一个信道</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>line %1: %2: %3 stored as %4</source>
        <translation>第 %1 行：%2：%3 存为 %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line %1: %2: stored %3, shown as %4</source>
        <translation>第 %1 行：%2：存储值 %3，显示为 %4</translation>
    </message>
    <message>
        <location filename="../src/model/ProgrammingLog.cpp" line="+36"/>
        <source>writing the programming log %1</source>
        <translation>写入编程日志 %1</translation>
    </message>
    <message>
        <location filename="../src/model/YamlShape.cpp" line="-136"/>
        <source>line %1: the text holds more than %2 brackets, colons, commas, dashes, quotes and lines, far more than a configuration; nothing was read</source>
        <translation>第 %1 行：文本中的括号、冒号、逗号、短横线、引号和行数超过 %2 个，远多于任何配置；未读取任何内容</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>line %1: a second document starts here; a configuration is one document, so nothing was read</source>
        <translation>第 %1 行：此处开始了第二个文档；配置只能是一个文档，因此未读取任何内容</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>line %1: %2: given twice, on lines %3 and %1; a key is given once, so nothing was read</source>
        <translation>第 %1 行：%2：在第 %3 行和第 %1 行给出了两次；每个键只能给出一次，因此未读取任何内容</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>line %1: nested more than %2 levels deep, deeper than a configuration; nothing was read</source>
        <translation>第 %1 行：嵌套超过 %2 层，比任何配置都深；未读取任何内容</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelFieldEdit.cpp" line="+52"/>
        <source>the channel takes %1 to %2 MHz</source>
        <translation>信道可取 %1 到 %2 MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 &quot;%2&quot; is not a frequency in MHz: %3.</source>
        <translation>%1 &quot;%2&quot; 不是以 MHz 表示的频率：%3。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 MHz is outside the band: %3.</source>
        <translation>%1 %2 MHz 超出频段：%3。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tx Freq %1 MHz cannot be kept with Rx Freq %2 MHz: set the Tx Freq first.</source>
        <translation>接收频率为 %2 MHz 时无法保持发射频率 %1 MHz：请先设置发射频率。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 &quot;%2&quot; is not in the tone list: Off, 67.0 to 254.1, D023N to D754N or D023I to D754I.</source>
        <translation>%1 &quot;%2&quot; 不在亚音列表中：Off、67.0 到 254.1、D023N 到 D754N 或 D023I 到 D754I。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 &quot;%2&quot; is not one of: %3.</source>
        <translation>%1 &quot;%2&quot; 不是以下之一：%3。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Name &quot;%1&quot; is not up to 5 of the characters %2</source>
        <translation>名称 &quot;%1&quot; 不是最多 5 个以下字符：%2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The channel is not in use: it starts with its Rx Freq.</source>
        <translation>该信道未使用：请先输入其接收频率。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>channel %1, %2</source>
        <translation>信道 %1，%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>channel %1: %2 &quot;%3&quot; stored as %4</source>
        <translation>信道 %1：%2 &quot;%3&quot; 存储为 %4</translation>
    </message>
    <message>
        <location filename="../src/link/TransferMessage.cpp" line="-22"/>
        <source>Check the cable, that %1 is the port the radio is on, that the radio is switched on and in programming mode, and that no other program holds the port.</source>
        <translation>请检查连接线、电台是否接在端口 %1 上、电台是否已开机并处于编程模式，以及是否有其他程序占用该端口。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Communication error: the radio did not answer on %1.</source>
        <translation>通讯错误：电台在 %1 上没有应答。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Communication error: the radio&apos;s identification on %1 was cut short.</source>
        <translation>通讯错误：电台在 %1 上的识别应答不完整。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Communication error at address %1 (block %2 of %3).</source>
        <translation>通讯错误，地址 %1（第 %2 块，共 %3 块）。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nothing was written to the radio.</source>
        <translation>没有向电台写入任何数据。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The radio may now hold a mix of old and new settings (%1 of %2 blocks were written) and must be written again before use.</source>
        <translation>电台现在可能混有新旧设置（已写入 %1 块，共 %2 块），使用前必须重新写入。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Read complete: %1 bytes from the radio.</source>
        <translation>读取完成：从电台读取 %1 字节。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write complete: %1 bytes; verified: the radio holds what was written.</source>
        <translation>写入完成：%1 字节；已校验：电台中的数据与写入的一致。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write complete: %1 bytes sent to the radio.</source>
        <translation>写入完成：已向电台发送 %1 字节。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Another transfer with the radio is running; nothing was done.</source>
        <translation>另一个与电台的传输正在进行；未执行任何操作。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing was changed in the data set.</source>
        <translation>数据未作任何更改。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write complete: %1 bytes; the read-back was cancelled, so the write is not verified.</source>
        <translation>写入完成：%1 字节；回读已取消，因此写入未经校验。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Read cancelled: nothing was changed.</source>
        <translation>读取已取消：未作任何更改。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write cancelled after %1 of %2 blocks.</source>
        <translation>写入在第 %1 块（共 %2 块）后取消。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write complete: %1 bytes, but reading them back failed, so the write is not verified.</source>
        <translation>写入完成：%1 字节，但回读失败，因此写入未经校验。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Write complete, but the radio does not hold what was written.</source>
        <translation>写入完成，但电台中的数据与写入的不一致。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Differs at %1. Write it again before use.</source>
        <translation>在 %1 处不同。使用前请重新写入。</translation>
    </message>
    <message>
        <location filename="../src/model/ChannelListing.cpp" line="+59"/>
        <source>-- Channel Info --</source>
        <translation>-- 信道信息 --</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CH Num</source>
        <translation>信道号</translation>
    </message>
</context>
</TS>
