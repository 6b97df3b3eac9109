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
    <name>CQuorrixDlg</name>
    <message>
        <location filename="../ContextMenus.cpp" line="21"/>
        <source>关于 Quorrix(&amp;A)...</source>
        <translation>&amp;About Quorrix...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="26"/>
        <source>BootLoader文件</source>
        <translation>Boot-loader file</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="28"/>
        <location filename="../DialogLayout.cpp" line="34"/>
        <source>打开文件...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="31"/>
        <source>APP应用程序文件</source>
        <translation>App file</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="38"/>
        <source>BootLoader信息</source>
        <translation>Boot-loader info</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="40"/>
        <source>App文件信息</source>
        <translation>App file info</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="41"/>
        <source>地址偏移量</source>
        <translation>Offset</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="45"/>
        <source>合成固件...</source>
        <translation>Merge...</translation>
    </message>
    <message>
        <location filename="../DialogLayout.cpp" line="49"/>
        <source>Norlyn电子部 · 2026年12月</source>
        <translation>Norlyn Electronics · Dec 2026</translation>
    </message>
    <message>
        <location filename="../QuorrixDlg.cpp" line="104"/>
        <source>Norlyn电子部 分布式模块 固件工具 V1.01</source>
        <translation>Norlyn Electronics Distributed Module Firmware Tool V1.01</translation>
    </message>
    <message>
        <location filename="../QuorrixDlg.cpp" line="271"/>
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
        <location filename="../RecentFilesMenu.cpp" line="45"/>
        <source>最近打开的文件</source>
        <translation>Recent files</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <location filename="../CoreTexts.cpp" line="10"/>
        <source>文件已经是bootloader和App合成的文件 , 是否使用文件中App?</source>
        <translation>The file already merges a boot loader and an App. Use the App in it?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="11"/>
        <source>文件信息块中不包含 BootLoader 内容, 是否继续 </source>
        <translation>The file&apos;s info block holds no boot loader. Continue? </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="12"/>
        <source>BootLoader启动文件中未找到信息块, 文件 </source>
        <translation>No info block found in the boot-loader file, size </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="13"/>
        <source>文件中未找到信息块, 文件大小 </source>
        <translation>No info block found in the file, size </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="14"/>
        <source>文件 不是App文件 , 是否继续 </source>
        <translation>The file is not an App file. Continue? </translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="15"/>
        <source> 是否继续</source>
        <translation> Continue?</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="16"/>
        <source>BootLoader 类型1 版本</source>
        <translation>boot loader type 1 version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="17"/>
        <source>BootLoader 类型2 版本</source>
        <translation>boot loader type 2 version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="18"/>
        <source>App类型1 版本</source>
        <translation>App type 1 version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="19"/>
        <source>App类型2 版本</source>
        <translation>App type 2 version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="20"/>
        <source>未知类型</source>
        <translation>unknown type</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="41"/>
        <source>发生错误</source>
        <translation>Error:</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="21"/>
        <source>信息块1位置</source>
        <translation>Block 1 at</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="22"/>
        <source>信息块2位置</source>
        <translation>Block 2 at</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="23"/>
        <source>信息块2大小</source>
        <translation>Block 2 size</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="24"/>
        <source>信息块2类型</source>
        <translation>Block 2 type</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="25"/>
        <source>信息块位置</source>
        <translation>Block at</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="26"/>
        <source>信息块大小</source>
        <translation>Block size</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="27"/>
        <source>信息块类型</source>
        <translation>Block type</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="28"/>
        <source>文件信息</source>
        <translation>File info</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="29"/>
        <source>文件大小</source>
        <translation>File size</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="30"/>
        <source>启动区版本</source>
        <translation>Boot version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="31"/>
        <source>启动器对应芯片</source>
        <translation>Boot chip</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="32"/>
        <source>启动器大小</source>
        <translation>Boot size</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="33"/>
        <source>实际代码大小</source>
        <translation>Code size</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="34"/>
        <source>对应模块类型</source>
        <translation>Module type</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="35"/>
        <source>应用区版本</source>
        <translation>App version</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="36"/>
        <source>应用区大小</source>
        <translation>App size</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="37"/>
        <source>应用区地址</source>
        <translation>App address</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="38"/>
        <source>偏移</source>
        <translation>offset</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="39"/>
        <source>信息暂存区</source>
        <translation>Info stage</translation>
    </message>
    <message>
        <location filename="../CoreTexts.cpp" line="40"/>
        <source>应用暂存区</source>
        <translation>App stage</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <location filename="../FileDialogTexts.cpp" line="13"/>
        <location filename="../FileDialogTexts.cpp" line="21"/>
        <source>所有文件 (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="14"/>
        <location filename="../FileDialogTexts.cpp" line="18"/>
        <source>固件文件 (*.bin)</source>
        <translation>Firmware files (*.bin)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="19"/>
        <source>Intel HEX (*.hex)</source>
        <translation>Intel HEX (*.hex)</translation>
    </message>
    <message>
        <location filename="../FileDialogTexts.cpp" line="20"/>
        <source>S-record (*.srec *.s19 *.mot)</source>
        <translation>S-record (*.srec *.s19 *.mot)</translation>
    </message>
</context>
</TS>
