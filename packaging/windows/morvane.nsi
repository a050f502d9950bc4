; The installer of the Windows edition: German, for the current user (no administrator
; rights), with a Start menu entry and an uninstaller.
; makensis -DVERSION=1.0 -DEXE=path\morvane.exe -DICON=path\morvane.ico -DOUTFILE=... morvane.nsi
; A 64-bit installer for the 64-bit program: it runs wherever the program does (and under a
; Wine without its 32-bit part).
Target amd64-unicode
!include "MUI2.nsh"

!define NAME "Morvane - Kleine Programme"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane.KleineProgramme"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Morvane"
InstallDirRegKey HKCU "Software\Morvane" "InstallDir"
RequestExecutionLevel user
SetCompressor /SOLID lzma
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\morvane.exe"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von ${NAME}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "Morvane-Entwicklungsteam"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section "Programm"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "/oname=morvane.exe" "${EXE}"
  File "/oname=LIESMICH.txt" "${README}"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\morvane.exe"
  WriteRegStr HKCU "Software\Morvane" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Morvane-Entwicklungsteam"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$INSTDIR\morvane.exe"
  Delete "$INSTDIR\LIESMICH.txt"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Morvane"
SectionEnd
