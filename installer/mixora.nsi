; The installer of Mixora: a per-user install that needs no administrator rights.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DPROGRAM=path/Mixora.exe -DICON=path/mixora.ico
;          -DOUTFILE=path/Mixora-1.0.0-setup-x64.exe mixora.nsi
; (installer/CMakeLists.txt passes them; VERSION is project(VERSION) of CMakeLists.txt.)
;
; What it writes, and what the uninstaller removes again:
;   $LOCALAPPDATA\Programs\Mixora\Mixora.exe, uninstall.exe
;   the Start-menu shortcut Mixora.lnk
;   HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mixora
;   HKCU\Software\Classes\.mixora (-> Mixora.Design) and HKCU\Software\Classes\Mixora.Design
; The uninstaller also removes HKCU\Software\Mixora, the program's own settings (the list of
; recently opened designs), and the shared database's passwords the program kept in Windows'
; credential store ("Mixora/…", removed by Mixora.exe --forget-credential before the program
; goes): a removed program leaves nothing of itself behind. The designs
; themselves are the user's files and are never touched. Installing a new version over an old
; one does not uninstall, so it keeps the settings.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT Mixora
!define PUBLISHER Mixora
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mixora"
!define SETTINGS_KEY "Software\Mixora"
!define PROG_ID Mixora.Design
!define JGJ55_SHORTCUT "Mixora JGJ 55-2011 配合比设计.lnk"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Mixora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=2052 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 FileVersion "${VERSION}"
VIAddVersionKey /LANG=2052 FileDescription "${PRODUCT} ${VERSION} 安装程序"
VIAddVersionKey /LANG=2052 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=2052 LegalCopyright "© ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Mixora.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE SimpChinese

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=Mixora.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\Mixora.lnk" "$INSTDIR\Mixora.exe" "" "$INSTDIR\Mixora.exe" 0 \
        SW_SHOWNORMAL "" "普通混凝土配合比设计"
    ; The program starts on the cement-only sheet; the JGJ 55-2011 design has a shortcut of its own.
    CreateShortCut "$SMPROGRAMS\${JGJ55_SHORTCUT}" "$INSTDIR\Mixora.exe" "--new jgj55" \
        "$INSTDIR\Mixora.exe" 0 SW_SHOWNORMAL "" "新建 JGJ 55-2011 普通混凝土配合比设计"

    ; Design files open in Mixora: .mixora -> Mixora.Design -> "…\Mixora.exe" "%1".
    WriteRegStr HKCU "Software\Classes\.mixora" "" "${PROG_ID}"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}" "" "Mixora 配合比设计"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\DefaultIcon" "" '"$INSTDIR\Mixora.exe",0'
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\shell\open\command" "" \
        '"$INSTDIR\Mixora.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "Mixora 普通混凝土配合比设计"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon '"$INSTDIR\Mixora.exe",0'
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section Uninstall
    SetShellVarContext current
    ; The kept passwords are the program's to find: it removes them while it is still there.
    ExecWait '"$INSTDIR\Mixora.exe" --forget-credential'
    Delete "$SMPROGRAMS\Mixora.lnk"
    Delete "$SMPROGRAMS\${JGJ55_SHORTCUT}"
    Delete "$INSTDIR\Mixora.exe"
    Delete "$INSTDIR\uninstall.exe"
    ; Only if empty: a file the user put there stays.
    RMDir "$INSTDIR"

    ; .mixora goes only while it still names our ProgID: another program may have taken it.
    ReadRegStr $0 HKCU "Software\Classes\.mixora" ""
    ${If} $0 == "${PROG_ID}"
        DeleteRegValue HKCU "Software\Classes\.mixora" ""
    ${EndIf}
    DeleteRegKey /ifempty HKCU "Software\Classes\.mixora"
    DeleteRegKey HKCU "Software\Classes\${PROG_ID}"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
