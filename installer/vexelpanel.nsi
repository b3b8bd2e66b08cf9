; Installs vexelpanel.exe for all users, records the board model and the
; display driver's settings key through the program's own quiet run, and
; registers an uninstaller.
;
;   vexelpanel-setup.exe [/S] [/MODEL=VexelHawk|VexelKite] [/KEY=<settings key below HKLM>] [/D=<folder>]
;
; A value may be quoted, /KEY="a b" or "/KEY=a b"; the quotes are removed.
; Without /KEY=, a settings key already recorded in the per-maker key is kept.
; With pages (no /S) the board page shows what the options say, and without
; them what is recorded or the key the installed display driver publishes.
;
; The build defines PROGRAM (the program without its debugging data),
; UNINSTALLER (uninstall.exe, made from uninstall.nsi), ICON, OUTFILE and,
; from the program's version resource, PRODUCT, PUBLISHER, COPYRIGHT,
; FILE_VERSION and INTERNAL_NAME.
;
; Exit status: 0 installed; 1 cancelled; 2 not installed, because an option
; was refused, the program could not record the board, or the files could
; not be put in place. Whatever fails, the machine is left as it was: the
; board is recorded by the new program run from the temporary folder before
; the installed files are touched, and the files it replaces are kept aside
; until the new ones are in place. Debian's makensis is built without NSIS's
; install log, so a silent install tells a failure through its exit status
; alone.

Unicode true
; The program is x86_64, and so is the only Wine this project runs on.
Target amd64-unicode
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include StrFunc.nsh
${StrLoc}
!addincludedir "${__FILEDIR__}"
!include "common.nsh"

; The program's command line is built in one of Setup's strings
; (NSIS_MAX_STRLEN, 1,024 characters with the NUL):
;   ".\vexelpanel.exe" -q -n -s "VexelHawk" -f "" -p "<key>"
; takes 51 of them besides the key.
!define /math KEY_MAX ${NSIS_MAX_STRLEN} - 52
; The most of the command line NSIS keeps.
!define /math KEPT_MAX ${NSIS_MAX_STRLEN} - 1
; MAX_PATH less the NUL and the longest name put in the folder.
!define FOLDER_MAX 235
!define PREVIOUS ".previous"

!getdllversion "${PROGRAM}" PROGRAM_VERSION_
VIProductVersion "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${FILE_VERSION}"

Name "${PRODUCT}"
Caption "$(Caption)"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the installation is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
BrandingText "${PUBLISHER} ${PRODUCT} ${FILE_VERSION}"

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
Page custom BoardPage LeaveBoardPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunPanel
!insertmacro MUI_PAGE_FINISH

; The first language is the one for a system whose language has none here.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!include /CHARSET=UTF8 "${__FILEDIR__}/lang/setup-english.nsh"
!include /CHARSET=UTF8 "${__FILEDIR__}/lang/setup-german.nsh"

Var Model
Var SettingsKey
Var KeyGiven
Var Refusal
Var Option
Var FolderMade
Var EntryExisted
Var ShortcutExisted
Var HawkRadio
Var KiteRadio
Var NoneRadio
Var KeyField

; Refuses the options before anything is put down.
!macro Refuse message
  MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
  SetErrorLevel 2
  Abort
!macroend

; Fails the installation once the machine is as it was. The installer works
; in the plugins' temporary folder, which cannot be removed at its end while
; it is the current folder.
!macro FailInstall message
  !insertmacro WorkIn "$TEMP"
  DetailPrint "${message}"
  MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
  SetErrorLevel 2
  Abort
!macroend

; $R4 := the position of the next $R6 in $R0 from $R4 on, or its length.
Function FindNext
  ${Do}
    StrCpy $R3 $R0 1 $R4
    ${If} $R3 == ""
    ${OrIf} $R3 == $R6
      ${Break}
    ${EndIf}
    IntOp $R4 $R4 + 1
  ${Loop}
FunctionEnd

; Reads /MODEL=, /KEY= and a quoted "/D=" from the command line (NSIS itself
; takes /D= only unquoted, and as the last option). A value runs to the next
; option (" /" or ' "/') unless it is quoted; quotes around the value, or
; around the whole option, are removed. $Refusal tells what cannot be taken;
; $Option names the option read last.
Function ReadOptions
  StrCpy $Refusal ""
  ${GetParameters} $R0
  StrLen $R1 $R0
  StrCpy $R2 0
  ${Do}
    ${Do}
      StrCpy $R3 $R0 1 $R2
      ${If} $R3 != " "
      ${AndIf} $R3 != "$\t"
        ${Break}
      ${EndIf}
      IntOp $R2 $R2 + 1
    ${Loop}
    ${If} $R2 >= $R1
      ${Break}
    ${EndIf}
    ; $R5: 1 when the whole option is quoted.
    StrCpy $R5 0
    ${If} $R3 == '"'
      StrCpy $R5 1
      IntOp $R2 $R2 + 1
    ${EndIf}
    ; The option's name, with its "=".
    StrCpy $R4 $R2
    ${Do}
      StrCpy $R3 $R0 1 $R4
      ${If} $R3 == "="
        IntOp $R4 $R4 + 1
        ${Break}
      ${ElseIf} $R3 == ""
      ${OrIf} $R3 == " "
      ${OrIf} $R3 == "$\t"
      ${OrIf} $R3 == '"'
        ${Break}
      ${EndIf}
      IntOp $R4 $R4 + 1
    ${Loop}
    IntOp $R3 $R4 - $R2
    StrCpy $Option $R0 $R3 $R2
    StrCpy $R2 $R4
    ; Its value: $R7.
    StrCpy $R7 ""
    StrCpy $R3 $R0 1 $R2
    ${If} $R3 == '"'
    ${AndIf} $R5 == 0
      StrCpy $R5 1
      IntOp $R2 $R2 + 1
    ${EndIf}
    ${If} $R5 == 1
      StrCpy $R4 $R2
      StrCpy $R6 '"'
      Call FindNext
      IntOp $R3 $R4 - $R2
      StrCpy $R7 $R0 $R3 $R2
      IntOp $R2 $R4 + 1
      ; The closing quote ends the option: a blank or the end follows it.
      StrCpy $R3 $R0 1 $R4
      StrCpy $R6 $R0 1 $R2
      ${If} $R3 != '"'
        StrCpy $R6 '"'
      ${EndIf}
      ${If} $R6 != ""
      ${AndIf} $R6 != " "
      ${AndIf} $R6 != "$\t"
        StrCpy $Refusal "$(QuoteRefused)"
        Return
      ${EndIf}
    ${ElseIf} $R3 != ""
    ${AndIf} $R3 != " "
    ${AndIf} $R3 != "$\t"
      ; Up to the next option, without the blanks before it.
      StrCpy $R4 $R2
      ${Do}
        StrCpy $R6 " "
        Call FindNext
        StrCpy $R3 $R0 2 $R4
        StrCpy $R6 $R0 3 $R4
        ${If} $R3 == " /"
        ${OrIf} $R6 == ' "/'
        ${OrIf} $R4 >= $R1
          ${Break}
        ${EndIf}
        IntOp $R4 $R4 + 1
      ${Loop}
      IntOp $R3 $R4 - $R2
      StrCpy $R7 $R0 $R3 $R2
      StrCpy $R2 $R4
      ${Do}
        StrCpy $R3 $R7 "" -1
        ${If} $R3 != " "
        ${AndIf} $R3 != "$\t"
          ${Break}
        ${EndIf}
        StrCpy $R7 $R7 -1
      ${Loop}
      ${StrLoc} $R3 $R7 '"' ">"
      ${If} $R3 != ""
        StrCpy $Refusal "$(QuoteRefused)"
        Return
      ${EndIf}
    ${EndIf}
    ${If} $Option S== "/S"
      ; NSIS reads it only unquoted.
      SetSilent silent
    ${ElseIf} $Option S== "/NCRC"
    ${ElseIf} $Option == "/MODEL="
      StrCpy $Model $R7
    ${ElseIf} $Option == "/KEY="
      StrCpy $SettingsKey $R7
      StrCpy $KeyGiven 1
    ${ElseIf} $Option S== "/D="
      StrCpy $INSTDIR $R7
    ${Else}
      StrCpy $Refusal "$(UnknownOption)"
      Return
    ${EndIf}
  ${Loop}
FunctionEnd

; The command line as Windows holds it may be longer than the copy NSIS
; keeps; the option at the cut would lose the rest of its value.
Function RefuseACutCommandLine
  System::Call 'kernel32::GetCommandLineW() p .r0'
  System::Call 'kernel32::lstrlenW(p r0) i .r0'
  ${If} $0 < ${NSIS_MAX_STRLEN}
    Return
  ${EndIf}
  StrLen $1 $CMDLINE
  ${If} $1 < ${KEPT_MAX}
    ; NSIS took a /D= off the end, from the part it kept.
    StrCpy $Option "/D="
  ${Else}
    Call ReadOptions
  ${EndIf}
  !insertmacro Refuse "$(CommandLineCut)"
FunctionEnd

; The board models as the program names them: any case, stored upper-cased.
Function RefuseAnUnknownModel
  ${If} $Model == "VexelHawk"
    StrCpy $Model "VexelHawk"
  ${ElseIf} $Model == "VexelKite"
    StrCpy $Model "VexelKite"
  ${ElseIf} $Model != ""
    !insertmacro Refuse "$(UnknownModel)"
  ${EndIf}
FunctionEnd

; $Refusal := why the settings key cannot be handed to the program, or empty.
; The program's command line ends a value at a quote.
Function CheckSettingsKey
  StrCpy $Refusal ""
  StrLen $0 $SettingsKey
  ${StrLoc} $1 $SettingsKey '"' ">"
  ${If} $1 != ""
    StrCpy $Option "/KEY="
    StrCpy $Refusal "$(QuoteRefused)"
  ${ElseIf} $0 > ${KEY_MAX}
    StrCpy $Refusal "$(KeyTooLong)"
  ${EndIf}
FunctionEnd

; $KeyCreated := the outermost level of the per-maker key that does not
; exist yet (the program's run will create it), or empty when it exists.
Function FindMissingPerMakerKey
  StrCpy $KeyCreated ""
  StrCpy $1 "${PER_MAKER_KEY}"
  ${Do}
    ClearErrors
    EnumRegKey $2 HKLM "$1" 0
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    StrCpy $KeyCreated "$1"
    ${GetParent} "$1" $1
  ${LoopUntil} $1 == "SOFTWARE"
FunctionEnd

; HAD := 1 and BEFORE := the value when it can be read, 2 when it is there
; but cannot be read whole (longer than Setup's strings), 0 when it is missing.
!macro ReadPerMakerValue NAME HAD BEFORE
  ClearErrors
  ReadRegStr ${BEFORE} HKLM "${PER_MAKER_KEY}" "${NAME}"
  StrCpy ${HAD} 1
  ${If} ${Errors}
    StrCpy ${HAD} 0
    StrCpy $2 0
    ${Do}
      ClearErrors
      EnumRegValue $3 HKLM "${PER_MAKER_KEY}" $2
      ${If} ${Errors}
      ${OrIf} $3 == ""
        ${Break}
      ${ElseIf} $3 == "${NAME}"
        StrCpy ${HAD} 2
        ${Break}
      ${EndIf}
      IntOp $2 $2 + 1
    ${Loop}
  ${EndIf}
!macroend

Function ReadPerMakerKey
  Call FindMissingPerMakerKey
  StrCpy $KeptKey 0
  ${If} $KeyCreated == ""
    StrCpy $KeptKey 1
  ${EndIf}
  !insertmacro ReadPerMakerValue "InstalledCard" $HadCard $CardBefore
  !insertmacro ReadPerMakerValue "RegistryPath" $HadPath $PathBefore
FunctionEnd

; The settings key the installed display driver publishes: the device map's
; "\Device\Video0" after "\REGISTRY\Machine\", in any case, as the program
; finds it; the whole text when that part is missing.
Function PublishedSettingsKey
  ReadRegStr $0 HKLM "HARDWARE\DEVICEMAP\VIDEO" "\Device\Video0"
  ${StrLoc} $1 $0 "REGISTRY\Machine\" ">"
  ${If} $1 != ""
    IntOp $1 $1 + 17
    StrCpy $0 $0 "" $1
  ${EndIf}
  StrCpy $SettingsKey $0
FunctionEnd

Function .onInit
  SetRegView 64
  SetShellVarContext all
  Call RefuseACutCommandLine
  Call ReadOptions
  ${If} $Refusal != ""
    !insertmacro Refuse $Refusal
  ${EndIf}
  Call RefuseAnUnknownModel
  Call ReadPerMakerKey
  ${If} $KeyGiven != 1
  ${AndIf} $HadPath == 1
    StrCpy $SettingsKey $PathBefore
  ${EndIf}
  Call CheckSettingsKey
  ${If} $Refusal != ""
    !insertmacro Refuse $Refusal
  ${EndIf}
  ${If} ${Silent}
    Return
  ${EndIf}
  ; What the board page starts with; it preselects a recorded model only
  ; when it is one of the two.
  ${If} $Model == ""
  ${AndIf} $HadCard == 1
    StrCpy $Model $CardBefore
  ${EndIf}
  ${If} $KeyGiven != 1
  ${AndIf} $HadPath != 1
    Call PublishedSettingsKey
  ${EndIf}
FunctionEnd

Function .onVerifyInstDir
  StrLen $0 $INSTDIR
  ${If} $0 > ${FOLDER_MAX}
    Abort
  ${EndIf}
FunctionEnd

Function EnableKeyField
  Pop $0
  ${NSD_GetState} $NoneRadio $0
  ${If} $0 == ${BST_CHECKED}
    EnableWindow $KeyField 0
  ${Else}
    EnableWindow $KeyField 1
  ${EndIf}
FunctionEnd

Function BoardPage
  !insertmacro MUI_HEADER_TEXT "$(BoardTitle)" "$(BoardSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 12u "$(BoardModelLabel)"
  Pop $0
  ${NSD_CreateRadioButton} 10u 14u 280u 12u "&VexelHawk"
  Pop $HawkRadio
  ${NSD_AddStyle} $HawkRadio ${WS_GROUP}
  ${NSD_CreateRadioButton} 10u 28u 280u 12u "Vexel&Kite"
  Pop $KiteRadio
  ${NSD_CreateRadioButton} 10u 42u 280u 12u "$(BoardNone)"
  Pop $NoneRadio
  ${NSD_CreateLabel} 0 64u 100% 12u "$(BoardKeyLabel)"
  Pop $0
  ${NSD_CreateText} 0 78u 100% 12u "$SettingsKey"
  Pop $KeyField
  ${NSD_CreateLabel} 0 98u 100% 36u "$(BoardKeyNote)"
  Pop $0
  ${If} $Model == "VexelHawk"
    ${NSD_Check} $HawkRadio
  ${ElseIf} $Model == "VexelKite"
    ${NSD_Check} $KiteRadio
  ${Else}
    ${NSD_Check} $NoneRadio
  ${EndIf}
  ${NSD_OnClick} $HawkRadio EnableKeyField
  ${NSD_OnClick} $KiteRadio EnableKeyField
  ${NSD_OnClick} $NoneRadio EnableKeyField
  Push $NoneRadio
  Call EnableKeyField
  nsDialogs::Show
FunctionEnd

Function LeaveBoardPage
  StrCpy $Model ""
  ${NSD_GetState} $HawkRadio $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Model "VexelHawk"
  ${EndIf}
  ${NSD_GetState} $KiteRadio $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $Model "VexelKite"
  ${EndIf}
  ${NSD_GetText} $KeyField $SettingsKey
  ; A key pasted with the quotes Windows puts around it.
  StrCpy $0 $SettingsKey 1
  StrCpy $1 $SettingsKey "" -1
  StrLen $2 $SettingsKey
  ${If} $0 == '"'
  ${AndIf} $1 == '"'
  ${AndIf} $2 > 1
    StrCpy $SettingsKey $SettingsKey -1 1
  ${EndIf}
  Call CheckSettingsKey
  ${If} $Refusal != ""
    MessageBox MB_OK|MB_ICONSTOP $Refusal
    Abort
  ${EndIf}
FunctionEnd

; The program stores the model and the key itself. It runs from the
; temporary folder, named relative to it, so that no blank and dash in a
; folder name reads as one of its switches; its quiet run (-q) shows
; nothing, -n spares the OpenGL probe's window and wait, and an empty -f
; comes before the key so that no " -f" inside the key is taken for the
; export switch.
Function RecordBoard
  ${If} $Model == ""
    DetailPrint "$(NoModel)"
    Return
  ${EndIf}
  ; What cannot be read whole could not be put back.
  ${If} $HadCard == 2
  ${OrIf} $HadPath == 2
    !insertmacro FailInstall "$(RecordedValueUnreadable)"
  ${EndIf}
  Call CheckSettingsKey
  ${If} $Refusal != ""
    !insertmacro FailInstall $Refusal
  ${EndIf}
  StrCpy $0 '".\vexelpanel.exe" -q -n -s "$Model"'
  ${If} $SettingsKey != ""
    StrCpy $0 '$0 -f "" -p "$SettingsKey"'
  ${EndIf}
  DetailPrint "$(Recording) $0"
  !insertmacro WorkIn "$PLUGINSDIR"
  ClearErrors
  ExecWait $0 $1
  ${If} ${Errors}
    Call RestorePerMakerKey
    !insertmacro FailInstall "$(ProgramNotStarted)"
  ${ElseIf} $1 <> 0
    Call RestorePerMakerKey
    !insertmacro FailInstall "$(RecordFailed)"
  ${EndIf}
FunctionEnd

; The files an installation puts in its folder.
!macro ForEachFile MACRO
  !insertmacro ${MACRO} "vexelpanel.exe"
  !insertmacro ${MACRO} "uninstall.exe"
!macroend

!macro MoveAside NAME
  Delete "$INSTDIR\${NAME}${PREVIOUS}"
  ${IfNot} ${Errors}
  ${AndIf} ${FileExists} "$INSTDIR\${NAME}"
    Rename "$INSTDIR\${NAME}" "$INSTDIR\${NAME}${PREVIOUS}"
  ${EndIf}
!macroend

; After a failed move aside: the file that could not be moved is still in place.
!macro MoveBack NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}${PREVIOUS}"
  ${AndIfNot} ${FileExists} "$INSTDIR\${NAME}"
    Rename "$INSTDIR\${NAME}${PREVIOUS}" "$INSTDIR\${NAME}"
  ${EndIf}
!macroend

!macro PutNew NAME
  CopyFiles /SILENT "$PLUGINSDIR\${NAME}" "$INSTDIR\${NAME}"
!macroend

; Once every old file was moved aside, whatever is at a file's name is new.
!macro TakeBackNew NAME
  Delete "$INSTDIR\${NAME}"
  !insertmacro MoveBack "${NAME}"
!macroend

!macro DropPrevious NAME
  Delete "$INSTDIR\${NAME}${PREVIOUS}"
!macroend

Function TakeBackFiles
  !insertmacro ForEachFile TakeBackNew
  ${If} $FolderMade == 1
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

; An installed program that runs cannot be replaced: refused before anything
; is changed. A running program's file cannot be opened for writing.
Function RefuseARunningProgram
  ${IfNot} ${FileExists} "$INSTDIR\vexelpanel.exe"
    Return
  ${EndIf}
  ClearErrors
  FileOpen $0 "$INSTDIR\vexelpanel.exe" a
  ${If} ${Errors}
    !insertmacro FailInstall "$(ProgramRunning)"
  ${EndIf}
  FileClose $0
FunctionEnd

; The files go in beside the ones they replace, which are put back when
; anything fails.
Function PutFiles
  StrCpy $FolderMade 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $FolderMade 1
  ${EndIf}
  ClearErrors
  CreateDirectory "$INSTDIR"
  !insertmacro ForEachFile MoveAside
  ${If} ${Errors}
    !insertmacro ForEachFile MoveBack
    ${If} $FolderMade == 1
      RMDir "$INSTDIR"
    ${EndIf}
    Call RestorePerMakerKey
    !insertmacro FailInstall "$(FilesNotPut)"
  ${EndIf}
  !insertmacro ForEachFile PutNew
  ${If} ${Errors}
    Call TakeBackFiles
    Call RestorePerMakerKey
    !insertmacro FailInstall "$(FilesNotPut)"
  ${EndIf}
FunctionEnd

!macro AddFileSize NAME
  FileOpen $0 "$INSTDIR\${NAME}" r
  FileSeek $0 0 END $1
  FileClose $0
  IntOp $2 $2 + $1
!macroend

; What the board's first recording found stays in the entry for the
; uninstaller, and an upgrade keeps it: $KeepRecord is 1 when the entry
; already holds one, or when nothing was recorded.
Var KeepRecord
Function WriteRecordOfThePerMakerKey
  ${If} $KeepRecord == 1
    Return
  ${EndIf}
  ${If} $KeyCreated != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${CREATED_KEY_VALUE}" "$KeyCreated"
    Return
  ${EndIf}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "${KEPT_KEY_VALUE}" 1
  ${If} $HadCard == 1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${REPLACED_PREFIX}InstalledCard" "$CardBefore"
  ${EndIf}
  ${If} $HadPath == 1
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${REPLACED_PREFIX}RegistryPath" "$PathBefore"
  ${EndIf}
FunctionEnd

Function RegisterInstallation
  StrCpy $EntryExisted 0
  StrCpy $KeepRecord 0
  ClearErrors
  EnumRegValue $0 HKLM "${UNINSTALL_KEY}" 0
  ${IfNot} ${Errors}
    StrCpy $EntryExisted 1
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "${CREATED_KEY_VALUE}"
    ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "${KEPT_KEY_VALUE}"
    ${If} "$0$1" != ""
      StrCpy $KeepRecord 1
    ${EndIf}
  ${EndIf}
  ${If} $Model == ""
    StrCpy $KeepRecord 1
  ${EndIf}
  StrCpy $ShortcutExisted 0
  ${If} ${FileExists} "${SHORTCUT}"
    StrCpy $ShortcutExisted 1
  ${EndIf}
  ClearErrors
  ; The shortcut starts the panel in its folder.
  !insertmacro WorkIn "$INSTDIR"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\vexelpanel.exe"
  !insertmacro WorkIn "$PLUGINSDIR"
  StrCpy $2 0
  !insertmacro ForEachFile AddFileSize
  IntOp $2 $2 + 1023
  IntOp $2 $2 / 1024
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${FILE_VERSION}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" ${PROGRAM_VERSION_1}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMinor" ${PROGRAM_VERSION_2}
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vexelpanel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  Call WriteRecordOfThePerMakerKey
  ${If} ${Errors}
    ${If} $EntryExisted == 0
      DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${EndIf}
    ${If} $ShortcutExisted == 0
      Delete "${SHORTCUT}"
    ${EndIf}
    Call TakeBackFiles
    Call RestorePerMakerKey
    !insertmacro FailInstall "$(NotRegistered)"
  ${EndIf}
FunctionEnd

Section "${PRODUCT}"
  SectionIn RO
  StrLen $0 $INSTDIR
  ${If} $0 > ${FOLDER_MAX}
    !insertmacro FailInstall "$(FolderTooLong)"
  ${EndIf}
  InitPluginsDir
  !insertmacro WorkIn "$PLUGINSDIR"
  File "/oname=vexelpanel.exe" "${PROGRAM}"
  File "/oname=uninstall.exe" "${UNINSTALLER}"
  Call RefuseARunningProgram
  Call ReadPerMakerKey
  Call RecordBoard
  Call PutFiles
  Call RegisterInstallation
  !insertmacro ForEachFile DropPrevious
  !insertmacro WorkIn "$TEMP"
SectionEnd

; The panel starts in its folder, as from its shortcut.
Function RunPanel
  !insertmacro WorkIn "$INSTDIR"
  Exec '"$INSTDIR\vexelpanel.exe"'
FunctionEnd
