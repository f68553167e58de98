; Vivarel's installer for 64-bit Windows. Made by packaging/windows/build.sh:
;   makensis -DVERSION=… -DDOSSIER=<the program's folder> -DFICHIERS=<list> -DICONE=<.ico>
;            -DTAILLE_KO=<size> -DSORTIE=<setup.exe>
; It installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Vivarel; /S installs silently, and the uninstaller takes /S too.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"

!define CLE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vivarel"

Name "Vivarel ${VERSION}"
OutFile "${SORTIE}"
InstallDir "$LOCALAPPDATA\Programs\Vivarel"
InstallDirRegKey HKCU "${CLE}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vivarel"
VIAddVersionKey /LANG=1033 "FileDescription" "Vivarel ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "GNU GPL 3.0 or later"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vivarel.exe"
!insertmacro MUI_PAGE_LICENSE "${DOSSIER}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the default; the others follow Windows' display language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"

Section "Vivarel"
    SetShellVarContext current
    ; One File line per file, and the matching removals for the uninstaller (made by the build).
    !define POSE
    !include "${FICHIERS}"
    !undef POSE
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Vivarel.lnk" "$INSTDIR\vivarel.exe" "" "$INSTDIR\vivarel.exe" 0
    WriteRegStr HKCU "${CLE}" "DisplayName" "Vivarel"
    WriteRegStr HKCU "${CLE}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${CLE}" "Publisher" "Vivarel"
    WriteRegStr HKCU "${CLE}" "DisplayIcon" "$\"$INSTDIR\vivarel.exe$\",0"
    WriteRegStr HKCU "${CLE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${CLE}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\""
    WriteRegStr HKCU "${CLE}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" /S"
    WriteRegDWORD HKCU "${CLE}" "NoModify" 1
    WriteRegDWORD HKCU "${CLE}" "NoRepair" 1
    WriteRegDWORD HKCU "${CLE}" "EstimatedSize" ${TAILLE_KO}
SectionEnd

; Only what was installed is removed: the folder may have been chosen with other files in it.
; The player's settings and nicknames, in %APPDATA%\Vivarel, stay.
Section "Uninstall"
    SetShellVarContext current
    !define RETIRE
    !include "${FICHIERS}"
    !undef RETIRE
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Vivarel.lnk"
    DeleteRegKey HKCU "${CLE}"
SectionEnd
