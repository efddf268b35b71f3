; The installer a teacher runs: KEB for the user who runs it, without administrator rights, in
; %LOCALAPPDATA%\Programs\KEB, with a Start-menu shortcut and an entry among the installed
; programs; "/S" installs without a question, as across a classroom. Its uninstaller removes all
; that the installer added.
;   makensis -DVERSION=1.0.0 -DVERSION4=1.0.0.0 -DFILES=<folder> -DOUTFILE=<file> installer.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "KEB"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KEB"

Name "${PRODUCT} ${VERSION}"
Caption "KEB по география ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\KEB"
BrandingText "KEB"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\keb.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "KEB"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "CompanyName" "KEB"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "KEB"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Инсталиране на KEB по география"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductVersion" "${VERSION}"

Section
    SetOutPath "$INSTDIR"
    File "${FILES}\keb.exe"
    File "${FILES}\README.bg.txt"
    File "${FILES}\KEB.txt"
    File "${FILES}\Qt-LGPL-3.0.txt"
    File "${FILES}\GPL-3.0.txt"
    File "${FILES}\third-party.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\KEB.lnk" "$INSTDIR\keb.exe" "" "$INSTDIR\keb.exe" 0 \
        SW_SHOWNORMAL "" "KEB по география: американските щати и техните столици"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "KEB по география"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "KEB"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\keb.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$INSTDIR\keb.exe"
    Delete "$INSTDIR\README.bg.txt"
    Delete "$INSTDIR\KEB.txt"
    Delete "$INSTDIR\Qt-LGPL-3.0.txt"
    Delete "$INSTDIR\GPL-3.0.txt"
    Delete "$INSTDIR\third-party.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\KEB.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
