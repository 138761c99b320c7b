; SPDX-FileCopyrightText: 2026 The Kletochka developers
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of the game, the question editor and qbtool:
;   makensis -DPROGRAM_DIR=<program folder> -DVERSION=<x.y.z> -DOUTFILE=<setup.exe> kletochka.nsi
; Installs for the current user without administrator rights (LOCALAPPDATA\Programs, HKCU);
; run as administrator, or with /AllUsers, for all users (Program Files, HKLM).
; /CurrentUser forces the first even when elevated. /S installs silently.
; makensis works in this script's folder: give it absolute paths.

Unicode true
Target amd64-unicode

!ifndef PROGRAM_DIR
  !error "Define PROGRAM_DIR, VERSION and OUTFILE (-DPROGRAM_DIR=... -DVERSION=... -DOUTFILE=...)"
!endif
!ifndef VERSION
  !error "Define VERSION (-DVERSION=1.2.3)"
!endif
!ifndef OUTFILE
  !error "Define OUTFILE (-DOUTFILE=kletochka-${VERSION}-setup.exe)"
!endif
; The teachers' guide as HTML; made from docs/guide-ru.md here unless given.
!ifndef GUIDE
  !define GUIDE_MADE_HERE
  !tempfile GUIDE
  !system '"./guide-html" "../../docs/guide-ru.md" "${GUIDE}"' = 0
!endif

!define PRODUCT "Турнир-клеточка"
!define PUBLISHER "The Kletochka developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kletochka"
!define PROGID "Kletochka.QuestionBank"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define GAME_LINK "${MENU_FOLDER}\Турнир-клеточка.lnk"
!define EDITOR_LINK "${MENU_FOLDER}\Редактор вопросов.lnk"
!define GUIDE_LINK "${MENU_FOLDER}\Памятка учителю.lnk"
!define GUIDE_FILE "guide-ru.html"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
; Elevation is never asked for: a teacher without administrator rights installs for herself.
RequestExecutionLevel user
; Sharp text on screens scaled to 125 % or more, as many laptops are.
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\Kletochka"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "Установка игры «${PRODUCT}»"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-3.0-or-later"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

Var AllUsers ; 1: for every user of the computer, registry under HKLM
Var ModeText

!define MUI_ICON "..\..\assets\mainicon.ico"
!define MUI_UNICON "..\..\assets\mainicon.ico"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\kletochka.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunGame)"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${GUIDE_FILE}"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(ShowGuide)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used where the system's is neither.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString WelcomeTitle ${LANG_RUSSIAN} "Установка игры «${PRODUCT}»"
LangString WelcomeTitle ${LANG_ENGLISH} "Installing ${PRODUCT} (Cell Tournament)"
LangString WelcomeText ${LANG_RUSSIAN} "Будут установлены игра «${PRODUCT}» ${VERSION}, Редактор вопросов и памятка учителю.$\r$\n$\r$\n$ModeText$\r$\n$\r$\nНажмите «Далее», чтобы продолжить."
LangString WelcomeText ${LANG_ENGLISH} "This installs the game ${PRODUCT} ${VERSION}, its question editor and the teachers' guide (in Russian).$\r$\n$\r$\n$ModeText$\r$\n$\r$\nClick Next to continue."
LangString ForYou ${LANG_RUSSIAN} "Игра будет установлена только для вас, права администратора не нужны.$\r$\n$\r$\nДля всех пользователей компьютера: щёлкните установщик правой кнопкой мыши и выберите «Запуск от имени администратора»."
LangString ForYou ${LANG_ENGLISH} "The game is installed for you only: no administrator rights are needed.$\r$\n$\r$\nFor every user of this computer: right-click the installer and choose Run as administrator."
LangString ForAll ${LANG_RUSSIAN} "Игра будет установлена для всех пользователей компьютера."
LangString ForAll ${LANG_ENGLISH} "The game is installed for every user of this computer."
LangString NeedAdmin ${LANG_RUSSIAN} "Установить игру для всех пользователей может только администратор. Щёлкните установщик правой кнопкой мыши и выберите «Запуск от имени администратора»."
LangString NeedAdmin ${LANG_ENGLISH} "Only an administrator can install the game for every user. Right-click the installer and choose Run as administrator."
LangString RunGame ${LANG_RUSSIAN} "Запустить игру"
LangString RunGame ${LANG_ENGLISH} "Start the game"
LangString ShowGuide ${LANG_RUSSIAN} "Открыть памятку учителю"
LangString ShowGuide ${LANG_ENGLISH} "Open the teachers' guide"
LangString FileTypeName ${LANG_RUSSIAN} "Вопросы для игры «${PRODUCT}»"
LangString FileTypeName ${LANG_ENGLISH} "Cell Tournament question bank"

; Both programs use the same mode rules: HKLM and the common Start menu, or the user's own.
!macro UseMode ALL
  ${If} ${ALL} == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
!macroend

!macro IsAdmin RESULT
  UserInfo::GetAccountType
  Pop ${RESULT}
!macroend

Function .onInit
  !insertmacro IsAdmin $0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/AllUsers" $2
  ${IfNot} ${Errors}
    ${If} $0 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "$(NeedAdmin)" /SD IDOK
      SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${ElseIf} $0 == "Admin"
    ; Run as administrator: on Windows a plain double click gives even an administrator
    ; an unelevated token, which reads as "User" here.
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
  ${EndIf}

  ; /D= on the command line has already set INSTDIR and wins. Compared before the
  ; context changes: for all users LOCALAPPDATA names the common folder.
  ${If} $AllUsers == 1
  ${AndIf} $INSTDIR == "$LOCALAPPDATA\Programs\Kletochka"
    StrCpy $INSTDIR "$PROGRAMFILES64\Kletochka"
  ${EndIf}
  !insertmacro UseMode $AllUsers
  ${If} $AllUsers == 1
    StrCpy $ModeText "$(ForAll)"
  ${Else}
    StrCpy $ModeText "$(ForYou)"
  ${EndIf}
FunctionEnd

Section "Install"
  ; An earlier version's uninstaller first, so that a file it had and this one lacks goes too.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  ${EndIf}

  !tempfile INSTALL_LIST
  !tempfile UNINSTALL_LIST
  !system '"./nsis-file-lists" "${PROGRAM_DIR}" "${INSTALL_LIST}" "${UNINSTALL_LIST}"' = 0
  !include "${INSTALL_LIST}"
  !delfile "${INSTALL_LIST}"
  File "/oname=${GUIDE_FILE}" "${GUIDE}"
  !ifdef GUIDE_MADE_HERE
    !delfile "${GUIDE}"
  !endif
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The game opens its bank, sounds and pictures by bare name: it must start in its folder,
  ; and a shortcut starts in the output path.
  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${GAME_LINK}" "$INSTDIR\kletochka.exe" "" "$INSTDIR\kletochka.exe" 0
  CreateShortcut "${EDITOR_LINK}" "$INSTDIR\kletochka-editor.exe" "" "$INSTDIR\kletochka-editor.exe" 0
  CreateShortcut "${GUIDE_LINK}" "$INSTDIR\${GUIDE_FILE}"

  ; .qb files open in the editor; OpenWithProgids keeps it offered when another program took .qb.
  WriteRegStr SHCTX "Software\Classes\.qb" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\.qb\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "$(FileTypeName)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\kletochka-editor.exe,1"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\kletochka-editor.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kletochka.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ; Installed for all users when the machine-wide entry names this very folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 == $INSTDIR
    StrCpy $AllUsers 1
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      ; Started from the installed programs list without elevation: ask for it once.
      ${If} ${Silent}
        ExecShell "runas" "$INSTDIR\uninstall.exe" "/S"
      ${Else}
        ExecShell "runas" "$INSTDIR\uninstall.exe"
      ${EndIf}
      Quit
    ${EndIf}
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  !insertmacro UseMode $AllUsers
FunctionEnd

Section "Uninstall"
  Delete "${GAME_LINK}"
  Delete "${EDITOR_LINK}"
  Delete "${GUIDE_LINK}"
  RMDir "${MENU_FOLDER}"

  ; .qb goes back to no program only where it is still ours.
  DeleteRegValue SHCTX "Software\Classes\.qb\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.qb\OpenWithProgids"
  ReadRegStr $0 SHCTX "Software\Classes\.qb" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.qb" ""
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "Software\Classes\.qb"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  !include "${UNINSTALL_LIST}"
  !delfile "${UNINSTALL_LIST}"
  Delete "$INSTDIR\${GUIDE_FILE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
