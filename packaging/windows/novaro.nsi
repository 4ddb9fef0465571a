; SPDX-License-Identifier: GPL-3.0-or-later
; The NOVARO installer, built by scripts/windows.sh with Debian's makensis:
;   makensis -DVERSION=1.0 -DCARPETA=<portable folder> -DSALIDA=<setup.exe> -DLISTA=<archivos.nsh> novaro.nsi
; LISTA holds one Delete line per file of CARPETA, so the uninstaller removes what was
; installed and nothing else: the players' slots in %APPDATA%\novaro stay.
; A 64-bit installer: Debian 13's Wine runs no 32-bit program without the i386 architecture.
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define CLAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\NOVARO"

Name "NOVARO ${VERSION}"
OutFile "${SALIDA}"
InstallDir "$PROGRAMFILES64\NOVARO"
RequestExecutionLevel admin
BrandingText "NOVARO ${VERSION}"

!define MUI_ICON "novaro.ico"
!define MUI_UNICON "novaro.ico"
!insertmacro MUI_PAGE_LICENSE "${CARPETA}\COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "English"

Section
  SetShellVarContext all
  SetRegView 64
  SetOutPath "$INSTDIR"
  File /r "${CARPETA}\*.*"
  ; The game keeps its slots in each player's own folder when it finds this beside it.
  FileOpen $0 "$INSTDIR\instalado.txt" w
  FileWrite $0 "NOVARO was installed here. Saved games live in each player's %APPDATA%\novaro folder.$\r$\n"
  FileClose $0
  WriteUninstaller "$INSTDIR\desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\NOVARO.lnk" "$INSTDIR\novaro.exe"
  WriteRegStr HKLM "${CLAVE}" "DisplayName" "NOVARO"
  WriteRegStr HKLM "${CLAVE}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${CLAVE}" "Publisher" "Equipo de NOVARO"
  WriteRegStr HKLM "${CLAVE}" "DisplayIcon" "$INSTDIR\novaro.exe"
  WriteRegStr HKLM "${CLAVE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CLAVE}" "UninstallString" '"$INSTDIR\desinstalar.exe"'
  WriteRegStr HKLM "${CLAVE}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /S'
  WriteRegDWORD HKLM "${CLAVE}" "NoModify" 1
  WriteRegDWORD HKLM "${CLAVE}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  !include "${LISTA}"
  Delete "$INSTDIR\instalado.txt"
  Delete "$INSTDIR\desinstalar.exe"
  RMDir "$INSTDIR\platforms"
  RMDir "$INSTDIR\styles"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\NOVARO.lnk"
  DeleteRegKey HKLM "${CLAVE}"
SectionEnd
