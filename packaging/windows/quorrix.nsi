; The Windows installer, made by scripts/windows-package:
;   makensis -DVERSION=1.0.0.1 -DFILES=folder -DICON=quorrix.ico -DOUTFILE=setup.exe quorrix.nsi
; FILES holds the programs, DeviceList.Ini, README.txt and LICENSE.txt. An administrator installs
; for all users into Program Files unless /CurrentUser is given (or chosen on the first page);
; anyone else for themselves below %LOCALAPPDATA%\Programs. /S installs without a window.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PUBLISHER "Norlyn Electronics"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorrix"

Name "Quorrix"
OutFile "${OUTFILE}"
BrandingText "Quorrix ${VERSION}"
VIProductVersion ${VERSION}
VIAddVersionKey /LANG=0 ProductName "Quorrix"
VIAddVersionKey /LANG=0 ProductVersion ${VERSION}
VIAddVersionKey /LANG=0 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=0 FileDescription "Quorrix ${VERSION} setup"
VIAddVersionKey /LANG=0 FileVersion ${VERSION}
VIAddVersionKey /LANG=0 LegalCopyright "Copyright 2026 ${PUBLISHER}"

; A second run of the installer, and the uninstaller, find the mode and the folder of the last
; install in its Add/Remove Programs entry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR Quorrix
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME InstallLocation
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME InstallLocation
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_LICENSE "${FILES}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

; The one list of what is installed, for the install and the uninstall alike.
!macro ForEachFile DO
    !insertmacro ${DO} quorrix.exe
    !insertmacro ${DO} quorrix-cli.exe
    !insertmacro ${DO} DeviceList.Ini
    !insertmacro ${DO} README.txt
    !insertmacro ${DO} LICENSE.txt
!macroend
!macro InstallFile NAME
    File "${FILES}/${NAME}"
!macroend
!macro RemoveFile NAME
    Delete "$INSTDIR\${NAME}"
!macroend

Function .onInit
    ; /D= has set $INSTDIR by now; MultiUser would put its default folder over it.
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    StrCmp $0 "" +2
    StrCpy $INSTDIR $0
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    !insertmacro ForEachFile InstallFile
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; The shortcut starts in $INSTDIR, the output path, so ./DeviceList.Ini is the one beside it.
    CreateShortcut "$SMPROGRAMS\Quorrix.lnk" "$INSTDIR\quorrix.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "Quorrix"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\quorrix.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    ; The mode on the command line, so the uninstaller removes the entry it was started from.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section Uninstall
    !insertmacro ForEachFile RemoveFile
    Delete "$SMPROGRAMS\Quorrix.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    Delete "$INSTDIR\Uninstall.exe"
    ; Last, so that a gone folder means a finished uninstall. Not /r: the folder may have been
    ; chosen by hand, and files of the user's stay.
    RMDir "$INSTDIR"
SectionEnd
