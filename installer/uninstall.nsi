; Removes what vexelpanel-setup.exe installed from the folder it runs in, and
; puts the per-maker key back as the installation that first recorded the
; board found it.
;
;   uninstall.exe [/S]
;
; It is a plain NSIS program, not an NSIS uninstaller: those copy themselves
; to the temporary folder and end at once, so that nobody can wait for them
; or see how they ended. This one runs where it is and ends when the
; uninstall is done. Its own file cannot be deleted while it runs: cmd.exe,
; which is no part of the installation, deletes it and the then empty folder
; as soon as it has ended.
;
; The build defines the same as for vexelpanel.nsi but UNINSTALLER.
;
; Exit status: 0 removed; 1 cancelled; 2 not removed and nothing changed,
; because the program could not be deleted (it runs) or this copy is not the
; installed one; also 2 when the uninstall entry could not be deleted after
; everything else was removed.

Unicode true
Target amd64-unicode
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!addincludedir "${__FILEDIR__}"
!include "common.nsh"

!getdllversion "${PROGRAM}" PROGRAM_VERSION_
VIProductVersion "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Uninstall"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${FILE_VERSION}"

Name "${PRODUCT}"
Caption "$(Caption)"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
ShowInstDetails show
BrandingText "${PUBLISHER} ${PRODUCT} ${FILE_VERSION}"

!define MUI_ABORTWARNING
!define MUI_ABORTWARNING_TEXT "$(AbortWarning)"
!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowUninstallButton
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_TEXT "$(RemovingTitle)"
!define MUI_PAGE_HEADER_SUBTEXT "$(RemovingSubtitle)"
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "$(RemovedTitle)"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "$(RemovedSubtitle)"
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "$(NotRemovedTitle)"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "$(NotRemovedSubtitle)"
!insertmacro MUI_PAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!include /CHARSET=UTF8 "${__FILEDIR__}/lang/uninstall-english.nsh"
!include /CHARSET=UTF8 "${__FILEDIR__}/lang/uninstall-german.nsh"

!macro FailUninstall message
  DetailPrint "${message}"
  MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
  SetErrorLevel 2
  Abort
!macroend

Function .onInit
  SetRegView 64
  SetShellVarContext all
  StrCpy $INSTDIR $EXEDIR
  ; Only the installed copy removes anything: the entry names its folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != $INSTDIR
    MessageBox MB_OK|MB_ICONSTOP "$(NotTheInstalledCopy)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

Function ShowUninstallButton
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
FunctionEnd

; HAD := 1 and BEFORE := the replaced value when the entry keeps one.
!macro ReadReplacedValue NAME HAD BEFORE
  ClearErrors
  ReadRegStr ${BEFORE} HKLM "${UNINSTALL_KEY}" "${REPLACED_PREFIX}${NAME}"
  StrCpy ${HAD} 1
  ${If} ${Errors}
    StrCpy ${HAD} 0
  ${EndIf}
!macroend

Section "-${PRODUCT}"
  ; Nothing here may hold the folder.
  !insertmacro WorkIn "$TEMP"
  ; The program goes first: while it runs, nothing is removed.
  ClearErrors
  Delete "$INSTDIR\vexelpanel.exe"
  ${If} ${Errors}
    !insertmacro FailUninstall "$(ProgramNotRemoved)"
  ${EndIf}
  Delete "${SHORTCUT}"
  ReadRegStr $KeyCreated HKLM "${UNINSTALL_KEY}" "${CREATED_KEY_VALUE}"
  ReadRegDWORD $KeptKey HKLM "${UNINSTALL_KEY}" "${KEPT_KEY_VALUE}"
  !insertmacro ReadReplacedValue "InstalledCard" $HadCard $CardBefore
  !insertmacro ReadReplacedValue "RegistryPath" $HadPath $PathBefore
  Call RestorePerMakerKey
  ClearErrors
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${If} ${Errors}
    !insertmacro FailUninstall "$(EntryNotRemoved)"
  ${EndIf}
SectionEnd

; Called right before this program ends (after Close, with pages). The
; file is tried after one second, and when it is still there after five more
; and sixty more. A plain chain of commands: Wine's cmd.exe mangles quoted
; names inside a for loop.
Function .onInstSuccess
  !insertmacro WorkIn "$TEMP"
  StrCpy $0 'del /f /q "$EXEPATH" & rd "$INSTDIR"'
  ExecShell "" "$SYSDIR\cmd.exe" '/d /q /c ping -n 2 127.0.0.1 & $0 & if exist "$EXEPATH" ping -n 6 127.0.0.1 & $0 & if exist "$EXEPATH" ping -n 61 127.0.0.1 & $0' SW_HIDE
FunctionEnd
