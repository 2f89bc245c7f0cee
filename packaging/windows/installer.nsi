; The setup program of Gruppenstatistik for Windows, built by package.sh with
;   makensis -DVERSION=1.3 -DROOT=<clone> -DDIST=<build>/dist -DOUTFILE=<setup.exe> installer.nsi
; Without administrator rights it installs for the current user into the user's programs
; folder; an administrator chooses between that and Program Files for all users.
; /S installs silently, /CurrentUser or /AllUsers chooses the mode on the command line.
; A 64-bit setup program for a 64-bit program: it also runs where only 64-bit Windows
; programs run (Wine without its 32-bit part).
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "QVL Gruppenstatistik"
!define APPKEY "Gruppenstatistik"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPKEY}"
!define PROGID "Gruppenstatistik.csv"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APPKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "$(^Caption) braucht Administratorrechte."
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE \
  "Ihr Benutzerkonto hat nicht die Rechte, $(^Name) für alle Benutzer dieses Computers zu installieren."
!include MultiUser.nsh
!include MUI2.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ROOT}\app\windows\gruppenstatistik.ico"
!define MUI_UNICON "${ROOT}\app\windows\gruppenstatistik.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LIESMICH.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "QVL"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "QVL"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Gruppenstatistik"
  SetOutPath "$INSTDIR"
  !include "${DIST}\files.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\gruppenstatistik.exe" "" \
    "$INSTDIR\gruppenstatistik.exe" 0 SW_SHOWNORMAL "" "Verkehrsstatistik einer Aufzugsgruppe auswerten"

  ; "Öffnen mit" for .csv: the program offers itself without taking the extension over.
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Statistik-File (Gruppenstatistik)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\gruppenstatistik.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" \
    '"$INSTDIR\gruppenstatistik.exe" "%1"'
  WriteRegNone SHCTX "Software\Classes\.csv\OpenWithProgids" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\Applications\gruppenstatistik.exe" "FriendlyAppName" \
    "${PRODUCT}"
  WriteRegStr SHCTX "Software\Classes\Applications\gruppenstatistik.exe\SupportedTypes" ".csv" ""
  WriteRegStr SHCTX "Software\Classes\Applications\gruppenstatistik.exe\shell\open\command" "" \
    '"$INSTDIR\gruppenstatistik.exe" "%1"'

  ; Apps and Features
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "QVL"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\gruppenstatistik.exe,0"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" \
    '"$INSTDIR\Deinstallieren.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" \
    '"$INSTDIR\Deinstallieren.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0

  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
SectionEnd

Section "Uninstall"
  ; Exactly the files the setup wrote; the folder goes only when nothing else is left in it.
  !include "${DIST}\unfiles.nsh"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ; Only our entry under .csv: the key itself may hold another program's association.
  DeleteRegValue SHCTX "Software\Classes\.csv\OpenWithProgids" "${PROGID}"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "Software\Classes\Applications\gruppenstatistik.exe"
  DeleteRegKey SHCTX "${UNINSTKEY}"
  ; The last folder opened (%APPDATA%\Gruppenstatistik) is the user's and stays.

  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
