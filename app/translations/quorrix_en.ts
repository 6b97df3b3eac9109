<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../AboutDlg.cpp" line="15"/>
        <source>关于 Quorrix</source>
        <translation>About Quorrix</translation>
    </message>
    <message>
        <location filename="../AboutDlg.cpp" line="27"/>
        <source>Quorrix，版本 1.0</source>
        <translation>Quorrix, version 1.0</translation>
    </message>
    <message>
        <location filename="../AboutDlg.cpp" line="30"/>
        <source>Copyright (C) 2026 Norlyn电子部</source>
        <translation>Copyright (C) 2026 Norlyn Electronics</translation>
    </message>
    <message>
        <location filename="../AboutDlg.cpp" line="32"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCompareReportDlg</name>
    <message>
        <location filename="../CompareReportDlg.cpp" line="17"/>
        <source>标记</source>
        <translation>marker</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="18"/>
        <source>类型</source>
        <translation>type</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="19"/>
        <source>块大小</source>
        <translation>block size</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="20"/>
        <source>BootLoader 版本</source>
        <translation>boot version</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="21"/>
        <source>芯片类型</source>
        <translation>chip type</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="22"/>
        <source>BootLoader 大小</source>
        <translation>boot size</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="23"/>
        <source>App 版本</source>
        <translation>App version</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="24"/>
        <source>模块类型</source>
        <translation>module type</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="25"/>
        <source>App 大小</source>
        <translation>App size</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="26"/>
        <source>代码大小</source>
        <translation>code size</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="27"/>
        <source>App 地址</source>
        <translation>App address</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="28"/>
        <source>信息暂存地址</source>
        <translation>info stage</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="29"/>
        <source>App 暂存地址</source>
        <translation>App stage</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="42"/>
        <source>块 %1 位于 %2</source>
        <translation>block %1 at %2</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="45"/>
        <source>A (文件太短)</source>
        <translation>A (file too short)</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="46"/>
        <source>B (文件太短)</source>
        <translation>B (file too short)</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="54"/>
        <source>两个文件相同 (A %1 字节, B %2 字节)</source>
        <translation>identical: A %1 bytes, B %2 bytes</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="61"/>
        <source>第一个不同之处在 %1: A 中为 %2, B 中为 %3</source>
        <translation>first difference at %1: %2 in A, %3 in B</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="64"/>
        <source>第一个不同之处在 %1: %2 在此结束</source>
        <translation>first difference at %1: %2 ends there</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="68"/>
        <source>不同的字节数: %1 (A %2 字节, B %3 字节)</source>
        <translation>differing bytes: %1 (A %2 bytes, B %3 bytes)</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="78"/>
        <source>比较固件</source>
        <translation>Compare firmware</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="81"/>
        <source>不同</source>
        <translation>Differs</translation>
    </message>
    <message>
        <location filename="../CompareReportDlg.cpp" line="81"/>
        <source>字段</source>
        <translation>Field</translation>
    </message>
</context>
<context>
    <name>CFlashDlg</name>
    <message>
        <location filename="../FlashDlg.cpp" line="50"/>
        <source>烧写固件</source>
        <translation>Flash firmware</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="69"/>
        <source>自动识别</source>
        <translation>Tell from its answers</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="93"/>
        <source>未选择固件</source>
        <translation>No image chosen</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="94"/>
        <source>选择文件...</source>
        <translation>Choose file...</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="103"/>
        <source>读取模块</source>
        <translation>Read module</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="104"/>
        <source>保存模块固件...</source>
        <translation>Save module firmware...</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="105"/>
        <source>烧写</source>
        <translation>Flash</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="106"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="107"/>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="117"/>
        <source>GDB 服务器</source>
        <translation>GDB server</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="120"/>
        <location filename="../FlashDlg.cpp" line="124"/>
        <source>固件</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="123"/>
        <source>模块</source>
        <translation>Module</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="166"/>
        <location filename="../FlashDlg.cpp" line="274"/>
        <source>失败: </source>
        <translation>Failed: </translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="211"/>
        <source>已读取模块</source>
        <translation>Module read</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="238"/>
        <source>已保存 </source>
        <translation>Saved </translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="260"/>
        <source>烧写成功, 已校验%1</source>
        <translation>Flashed and verified%1</translation>
    </message>
    <message>
        <location filename="../FlashDlg.cpp" line="261"/>
        <source>, 已写入标记</source>
        <translation>, marker written</translation>
    </message>
</context>
<context>
    <name>CLayoutStrip</name>
    <message>
        <location filename="../LayoutStrip.cpp" line="113"/>
        <source>BootLoader 代码: %1-%2, %3 字节</source>
        <translation>Boot loader code: %1-%2, %3 bytes</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="117"/>
        <source>BootLoader 填充: %1-%2, %3 字节</source>
        <translation>Boot loader padding: %1-%2, %3 bytes</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="120"/>
        <source>App: %1-%2, %3 字节</source>
        <translation>App: %1-%2, %3 bytes</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="123"/>
        <source>信息块 1: %1-%2</source>
        <translation>Info block 1: %1-%2</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="126"/>
        <source>信息块 2 (App 的信息块): %1-%2</source>
        <translation>Info block 2 (the App&apos;s block): %1-%2</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="129"/>
        <source>信息暂存区: %1-%2</source>
        <translation>Info staging area: %1-%2</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="132"/>
        <source>App 暂存区: %1-%2, %3 字节</source>
        <translation>App staging area: %1-%2, %3 bytes</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="136"/>
        <source>未通过的检查 %1: %2</source>
        <translation>Failed check %1: %2</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="137"/>
        <source>未通过的检查 %1: %2-%3</source>
        <translation>Failed check %1: %2-%3</translation>
    </message>
    <message>
        <location filename="../LayoutStrip.cpp" line="194"/>
        <source>App %1 字节</source>
        <translation>App %1 bytes</translation>
    </message>
</context>
<context>
    <name>CQuorrixDlg</name>
    <message>
        <location filename="../ContextMenus.cpp" line="21"/>
        <source>关于 Quorrix(&amp;A)...</source>
        <translation>&amp;About Quorrix...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="28"/>
        <source>BootLoader文件</source>
        <translation>Boot loader</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="30"/>
        <location filename="../DialogLayout.cpp" line="36"/>
        <source>打开文件...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="33"/>
        <source>APP应用程序文件</source>
        <translation>App file</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="45"/>
        <source>BootLoader信息</source>
        <translation>Boot-loader info</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="47"/>
        <source>App文件信息</source>
        <translation>App file info</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="48"/>
        <source>地址偏移量</source>
        <translation>Offset</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="52"/>
        <source>合成固件...</source>
        <translation>Merge...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="60"/>
        <source>Norlyn电子部 · 2026年12月</source>
        <translation>Norlyn Electronics · Dec 2026</translation>
    </message>
    <message>
        <location filename="../QuorrixDlg.cpp" line="111"/>
        <source>Norlyn电子部 分布式模块 固件工具 V1.01</source>
        <translation>Norlyn Electronics Distributed Module Firmware Tool V1.01</translation>
    </message>
    <message>
        <location filename="../QuorrixDlg.cpp" line="307"/>
        <source>%1 已存在。
要替换它吗?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <location filename="../RecentFilesMenu.cpp" line="21"/>
        <source>(无最近文件)</source>
        <translation>(no recent files)</translation>
    </message>
    <message>
        <location filename="../RecentFilesMenu.cpp" line="46"/>
        <source>最近打开的文件</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="40"/>
        <source>校验固件...</source>
        <translation>Verify...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="42"/>
        <source>比较固件...</source>
        <translation>Compare...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="54"/>
        <source>烧写固件...</source>
        <translation>Flash...</translation>
    </message>
    <message>
        <location filename="../QuorrixDlg.cpp" line="245"/>
        <source>上次合成的固件</source>
        <translation>Last merged image</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <location filename="../ReportDlg.cpp" line="38"/>
        <source>复制报告</source>
        <translation>Copy report</translation>
    </message>
    <message>
        <location filename="../ReportDlg.cpp" line="42"/>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CVerifyReportDlg</name>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="37"/>
        <source>与窗口中已接受的 BootLoader 和 App 比较</source>
        <translation>Compared with the boot loader and the App accepted in the window</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="38"/>
        <source>与窗口中已接受的 BootLoader 比较</source>
        <translation>Compared with the boot loader accepted in the window</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="39"/>
        <source>与窗口中已接受的 App 比较</source>
        <translation>Compared with the App accepted in the window</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="40"/>
        <source>窗口中没有已接受的映像: 只检查文件本身</source>
        <translation>No image accepted in the window: the file is checked on its own</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="48"/>
        <source>全部 %1 项检查通过</source>
        <translation>All %1 checks passed</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="49"/>
        <source>%1 项检查中 %2 项未通过</source>
        <translation>%2 of %1 checks failed</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="50"/>
        <source>文件: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="55"/>
        <source>大小: %1 字节</source>
        <translation>Size: %1 bytes</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="65"/>
        <source>校验固件</source>
        <translation>Verify firmware</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="66"/>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="66"/>
        <source>检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <location filename="../VerifyReportDlg.cpp" line="66"/>
        <source>说明</source>
        <translation>Finding</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <location filename="../CoreTexts.cpp" line="15"/>
        <source>文件已经是bootloader和App合成的文件 , 是否使用文件中App?</source>
        <translation>The file already merges a boot loader and an App. Use the App in it?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="16"/>
        <source>文件信息块中不包含 BootLoader 内容, 是否继续 </source>
        <translation>The file&apos;s info block holds no boot loader. Continue? </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="17"/>
        <source>BootLoader启动文件中未找到信息块, 文件 </source>
        <translation>No info block found in the boot-loader file, size </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="18"/>
        <source>文件中未找到信息块, 文件大小 </source>
        <translation>No info block found in the file, size </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="19"/>
        <source>文件 不是App文件 , 是否继续 </source>
        <translation>The file is not an App file. Continue? </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="20"/>
        <source> 是否继续</source>
        <translation> Continue?</translation>
    </message>
    <message>
        <location filename="../../firmware/checks/InfoBlock.cpp" line="52"/>
        <source>BootLoader 类型1 版本</source>
        <translation>boot loader type 1 version</translation>
    </message>
    <message>
        <location filename="../../firmware/checks/InfoBlock.cpp" line="54"/>
        <source>BootLoader 类型2 版本</source>
        <translation>boot loader type 2 version</translation>
    </message>
    <message>
        <location filename="../../firmware/checks/InfoBlock.cpp" line="56"/>
        <source>App类型1 版本</source>
        <translation>App type 1 version</translation>
    </message>
    <message>
        <location filename="../../firmware/checks/InfoBlock.cpp" line="58"/>
        <source>App类型2 版本</source>
        <translation>App type 2 version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="24"/>
        <location filename="../../firmware/checks/InfoBlock.cpp" line="60"/>
        <source>未知类型</source>
        <translation>unknown type</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="25"/>
        <source>发生错误</source>
        <translation>Error:</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/AppImage.cpp" line="98"/>
        <source>信息块1位置</source>
        <translation>Block 1 at</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="69"/>
        <source>信息块2位置</source>
        <translation>Block 2 at</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="71"/>
        <source>信息块2大小</source>
        <translation>Block 2 size</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="74"/>
        <source>信息块2类型</source>
        <translation>Block 2 type</translation>
    </message>
    <message>
        <location filename="../../firmware/probe/ModuleRead.cpp" line="63"/>
        <location filename="../../firmware/workspace/BootLoaderImage.cpp" line="39"/>
        <source>信息块位置</source>
        <translation>Block at</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="28"/>
        <source>信息块大小</source>
        <translation>Block size</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="29"/>
        <source>信息块类型</source>
        <translation>Block type</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="18"/>
        <source>文件信息</source>
        <translation>File info</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="21"/>
        <source>文件大小</source>
        <translation>File size</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="33"/>
        <source>启动区版本</source>
        <translation>Boot version</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="35"/>
        <source>启动器对应芯片</source>
        <translation>Boot chip</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="37"/>
        <source>启动器大小</source>
        <translation>Boot size</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="39"/>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="52"/>
        <source>实际代码大小</source>
        <translation>Code size</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="44"/>
        <source>对应模块类型</source>
        <translation>Module type</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="47"/>
        <source>应用区版本</source>
        <translation>App version</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="50"/>
        <source>应用区大小</source>
        <translation>App size</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="57"/>
        <source>应用区地址</source>
        <translation>App address</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="59"/>
        <source>偏移</source>
        <translation>offset</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="61"/>
        <source>信息暂存区</source>
        <translation>Info stage</translation>
    </message>
    <message>
        <location filename="../../firmware/workspace/InfoReport.cpp" line="63"/>
        <source>应用暂存区</source>
        <translation>App stage</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="23"/>
        <source>合成的固件有 </source>
        <translation>The merged firmware has </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="21"/>
        <source> 项检查未通过, 可能无法启动 (详见输出窗口)。</source>
        <translation> failed checks and may not boot (see the output pane).</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="22"/>
        <source>仍要保存吗?</source>
        <translation>Save it anyway?</translation>
    </message>
    <message>
        <location filename="../../firmware/probe/ModuleRead.cpp" line="58"/>
        <source>模块信息</source>
        <translation>Module info</translation>
    </message>
    <message>
        <location filename="../../firmware/probe/ModuleRead.cpp" line="60"/>
        <source>信息块1: 未找到信息块</source>
        <translation>Block 1: no info block found</translation>
    </message>
    <message>
        <location filename="../../firmware/probe/ModuleRead.cpp" line="71"/>
        <source>信息块2: 未找到信息块</source>
        <translation>Block 2: no info block found</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="27"/>
        <source>模块的模块类型是 </source>
        <translation>The module&apos;s module type is </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="28"/>
        <source>模块的芯片类型是 </source>
        <translation>The module&apos;s chip type is </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="29"/>
        <source>, 固件的是 </source>
        <translation>, the image&apos;s is </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="30"/>
        <source>模块上的 App 版本 </source>
        <translation>The module&apos;s App version </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="31"/>
        <source> 比固件的 </source>
        <translation> is newer than the image&apos;s </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="32"/>
        <source> 新。</source>
        <translation>.</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="33"/>
        <source>仍要烧写吗?</source>
        <translation>Flash it anyway?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="34"/>
        <source>固件有 </source>
        <translation>The image has </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="35"/>
        <source>等待回复超时</source>
        <translation>no answer in time</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="36"/>
        <source>等待确认超时</source>
        <translation>no acknowledgement in time</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="37"/>
        <source>连接中断: </source>
        <translation>connection lost: </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="38"/>
        <source>服务器: </source>
        <translation>server: </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="39"/>
        <source>已取消</source>
        <translation>cancelled</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <location filename="../FileDialogTexts.cpp" line="17"/>
        <location filename="../FileDialogTexts.cpp" line="24"/>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="21"/>
        <source>固件文件 (*.bin)</source>
        <translation>Firmware files (*.bin)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="22"/>
        <source>Intel HEX (*.hex)</source>
        <translation>Intel HEX (*.hex)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="23"/>
        <source>S-record (*.srec *.s19 *.mot)</source>
        <translation>S-record (*.srec *.s19 *.mot)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="14"/>
        <source>固件映像 (*.bin *.hex *.ihex *.s19 *.srec *.mot *.elf *.axf *.out)</source>
        <translation>Firmware images (*.bin *.hex *.ihex *.s19 *.srec *.mot *.elf *.axf *.out)</translation>
    </message>
</context>
<context>
    <name>LayoutCheckTexts</name>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="18"/>
        <source>BootLoader 截断</source>
        <translation>boot loader cut</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="19"/>
        <source>: 跳过, </source>
        <translation>: skipped, </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="21"/>
        <source>映像中只有它的前 4096 字节</source>
        <translation>the image holds only its first 4096 bytes</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="23"/>
        <source>BootLoader 没有信息块</source>
        <translation>the boot loader has no info block</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="24"/>
        <source>App 没有信息块</source>
        <translation>the App has no info block</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="26"/>
        <source>BootLoader 截断: %1 字节, 在 4096 字节的区域之内</source>
        <translation>boot loader cut: %1 bytes, within the 4096-byte region</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="33"/>
        <source>BootLoader 截断: %1 字节, 超过 64 MiB, 未检查</source>
        <translation>boot loader cut: %1 bytes, longer than 64 MiB, not checked</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="28"/>
        <source>BootLoader 截断: %1 字节, 4096 之后只有 0x00 和 0xFF</source>
        <translation>boot loader cut: %1 bytes, only 0x00 and 0xFF past 4096</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="30"/>
        <source>BootLoader 截断: %1 字节, 4096 之后的代码被截掉: %3 处为 %2</source>
        <translation>boot loader cut: %1 bytes, code past 4096 is cut off: %2 at %3</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="34"/>
        <source>App 地址</source>
        <translation>App address</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="36"/>
        <source>App 信息块中的 App 地址为 %1, </source>
        <translation>App address %1 in its block, </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="38"/>
        <source>正是合成时 App 所在的位置</source>
        <translation>where the merge places the App</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="40"/>
        <source>但合成时 App 位于 %1</source>
        <translation>but the merge places the App at %1</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="42"/>
        <source>BootLoader 中的 App 地址</source>
        <translation>boot loader&apos;s App address</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="44"/>
        <source>BootLoader 从 %1 启动 App, </source>
        <translation>boot loader starts the App at %1, </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="46"/>
        <source>与 App 信息块中的地址相同</source>
        <translation>the address in the App&apos;s block</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="47"/>
        <source>但 App 信息块中为 %1</source>
        <translation>but the App&apos;s block says %1</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="48"/>
        <source>App 暂存区</source>
        <translation>App staging areas</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="49"/>
        <source>%1 处的信息暂存区</source>
        <translation>the info staging area at %1</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="50"/>
        <source>%1 处的应用暂存区</source>
        <translation>the App staging area at %1</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="51"/>
        <source>App 结尾 %1 进入了</source>
        <translation>App end %1 runs into </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="52"/>
        <source> 和 </source>
        <translation> and </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="54"/>
        <source>App 结尾 %1: %2 之上没有暂存区在它之前开始 (信息 %3, 应用 %4)</source>
        <translation>App end %1: no staging area above %2 starts before it (info %3, App %4)</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="56"/>
        <source>栈指针未按字对齐</source>
        <translation>stack not word-aligned</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="57"/>
        <source>栈指针不在 %1-%2 之内</source>
        <translation>stack outside %1-%2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="58"/>
        <source>复位地址为偶数</source>
        <translation>reset address even</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="60"/>
        <source>复位地址不在 %1-%2 之内</source>
        <translation>reset address outside %1-%2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="61"/>
        <source>, 不是 Cortex-M 向量表: </source>
        <translation>, not a Cortex-M table: </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="62"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="64"/>
        <source>: 栈指针按字对齐且在 %1-%2 之内, 复位地址为奇数且在 %3-%4 之内</source>
        <translation>: stack word-aligned in %1-%2, reset odd in %3-%4</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="67"/>
        <source>BootLoader 向量表: %1 字节, 太短, 放不下栈指针和复位地址</source>
        <translation>boot loader vectors: %1 bytes, too short for the stack pointer and the reset address</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="70"/>
        <source>BootLoader 向量表: 栈指针 %1, 复位地址 %2</source>
        <translation>boot loader vectors: stack %1, reset %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="72"/>
        <source>App 向量表: %1 字节, 太短, 放不下栈指针和复位地址</source>
        <translation>App vectors: %1 bytes, too short for the stack pointer and the reset address</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="74"/>
        <source>App 向量表: 栈指针 %1, 复位地址 %2</source>
        <translation>App vectors: stack %1, reset %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="76"/>
        <source>合成文件从 %1 开始, 即闪存起始地址 %2</source>
        <translation>merged file starts at %1, at the flash base %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="78"/>
        <source>合成文件从 %1 开始, 不是闪存起始地址 %2</source>
        <translation>merged file starts at %1, not at the flash base %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="80"/>
        <source>BootLoader 文件从 %1 开始, 即闪存起始地址 %2</source>
        <translation>boot loader file starts at %1, at the flash base %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="82"/>
        <source>BootLoader 文件从 %1 开始, 不是闪存起始地址 %2</source>
        <translation>boot loader file starts at %1, not at the flash base %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="84"/>
        <source>App 文件从 %1 开始, 即它的 App 地址 %2</source>
        <translation>App file starts at %1, its App address %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="86"/>
        <source>App 文件从 %1 开始, 不是它的 App 地址 %2</source>
        <translation>App file starts at %1, not at its App address %2</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="88"/>
        <source>未检查 App 文件的起始地址, App 没有信息块</source>
        <translation>App file&apos;s start not checked, the App has no info block</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="89"/>
        <source>起始地址</source>
        <translation>start address</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="90"/>
        <source>起始地址: </source>
        <translation>start address: </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="91"/>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="94"/>
        <source>长度: %1 字节, 长于 4096</source>
        <translation>length: %1 bytes, longer than 4096</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="96"/>
        <source>长度: %1 字节, 没有 App 部分: 不长于 4096</source>
        <translation>length: %1 bytes, no App part: not longer than 4096</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="97"/>
        <source>块 %1 位于 %2: </source>
        <translation>block %1 at %2: </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="99"/>
        <source>不完整, 文件在 %1 结束</source>
        <translation>cut off, the file ends at %1</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="101"/>
        <source>没有标记: %1, 不是 0xAA55</source>
        <translation>no marker: %1, not 0xAA55</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="102"/>
        <source>类型 %1 是</source>
        <translation>type %1 is </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="103"/>
        <source>, 不是</source>
        <translation>, not </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="104"/>
        <source>标记 0xAA55, 类型 %1, </source>
        <translation>marker 0xAA55, type %1, </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="105"/>
        <source>BootLoader 类型 (1, 2)</source>
        <translation>a boot-loader type (1, 2)</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="106"/>
        <source>App 类型 (3, 4)</source>
        <translation>an App type (3, 4)</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="107"/>
        <source>BootLoader 类型</source>
        <translation>a boot-loader type</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="108"/>
        <source>App 类型</source>
        <translation>an App type</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="109"/>
        <source>未知类型</source>
        <translation>an unknown type</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="111"/>
        <source>App 部分位于 0x1000: %1 字节, </source>
        <translation>App part at 0x1000: %1 bytes, </translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="113"/>
        <source>包含其信息块, 不超过 131072</source>
        <translation>holds its block, at most 131072</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="115"/>
        <source>太短, 容不下其信息块 (288)</source>
        <translation>too short to hold its block (288)</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="116"/>
        <source>超过 131072</source>
        <translation>more than 131072</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="118"/>
        <source>引导区 0x0000-0x0FFF 等于截断或以 %1 填充的 BootLoader</source>
        <translation>boot region 0x0000-0x0FFF equals the boot loader cut or padded with %1</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="121"/>
        <source>引导区: 映像在 %1 结束, 位于引导区内</source>
        <translation>boot region: the image ends at %1, inside it</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="124"/>
        <source>引导区在 %1 处与截断或以 %2 填充的 BootLoader 不同: 映像中为 %3, 应为 %4</source>
        <translation>boot region differs from the boot loader cut or padded with %2 at %1: %3 in the image, %4 expected</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="127"/>
        <source>App 部分与 App 逐字节相同 (%1 字节)</source>
        <translation>App part equals the App byte for byte (%1 bytes)</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="129"/>
        <source>App 部分在 %1 (App 偏移 %2) 处与 App 不同: 映像中为 %3, App 中为 %4</source>
        <translation>App part differs from the App at %1 (App offset %2): %3 in the image, %4 in the App</translation>
    </message>
    <message>
        <location filename="../LayoutCheckTexts.cpp" line="132"/>
        <source>App 部分 %1 字节, App %2 字节: 到 %3 为止相同</source>
        <translation>App part is %1 bytes, the App %2: equal up to %3</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <location filename="../ReportActions.cpp" line="32"/>
        <source>无法读取 %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
</context>
<context>
    <name>VerifyTexts</name>
    <message>
        <location filename="../VerifyTexts.cpp" line="22"/>
        <source>通过</source>
        <translation>passed</translation>
    </message>
    <message>
        <location filename="../VerifyTexts.cpp" line="22"/>
        <source>未通过</source>
        <translation>failed</translation>
    </message>
</context>
</TS>
