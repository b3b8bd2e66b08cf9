; Installs vexelpanel.exe for all users, records the board model and the
; display driver's settings key through the program's own quiet run, and
; registers an uninstaller.
;
;   vexelpanel-setup.exe [/S] [/MODEL=VexelHawk] [/KEY=<settings key below HKLM>] [/D=<folder>]
;
; The build defines PROGRAM (the program without its debugging data), ICON,
; OUTFILE and, from the program's version resource, PRODUCT, PUBLISHER,
; COPYRIGHT, FILE_VERSION and INTERNAL_NAME.
;
; Exit status: 0 installed; 1 cancelled; 2 not installed, because the options
; could not be passed on or the program could not record them (its own exit
; status is shown and printed to the details). Debian's makensis is built
; without NSIS's install log, so a silent install tells a failure through
; its exit status alone.

Unicode true
; The program is x86_64, and so is the only Wine this project runs on.
Target amd64-unicode
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh
!include StrFunc.nsh
${StrLoc}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where the program keeps the board model and the settings key: below the
; maker's key, named after its version resource's InternalName and FileVersion.
!define MAKER_KEY "SOFTWARE\${PUBLISHER}"
!define PER_MAKER_KEY "${MAKER_KEY}\${INTERNAL_NAME}\${FILE_VERSION}"
; Uninstall-entry value naming the outermost level of the per-maker key that
; this installer's run created, so that the uninstaller removes that and no more.
!define CREATED_KEY_VALUE "CreatedPerMakerKey"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

!getdllversion "${PROGRAM}" PROGRAM_VERSION_
VIProductVersion "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${FILE_VERSION}"

Name "${PRODUCT}"
Caption "${PRODUCT} ${FILE_VERSION} Setup"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var Model
Var SettingsKey
Var CreatedKey

Function .onInit
  SetRegView 64
  SetShellVarContext all
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/MODEL=" $Model
  ClearErrors
  ${GetOptions} $0 "/KEY=" $SettingsKey
  ClearErrors
  ; The program's command line cannot carry a double quote inside a value:
  ; refused before anything is put down.
  ${StrLoc} $0 "$Model$SettingsKey" '"' ">"
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "The board model and the settings key must not contain a double quote." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

; Fails the installation after removing what it put down so far.
!macro FailInstall message
  DetailPrint "${message}"
  MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
  Call RemoveProgramFiles
  SetErrorLevel 2
  Abort
!macroend

Function RemoveProgramFiles
  ; The folder cannot go while it is the installer's working folder.
  SetOutPath "$TEMP"
  Delete "$INSTDIR\vexelpanel.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
FunctionEnd

; $CreatedKey := the outermost level of the per-maker key that does not exist
; yet (the program's run will create it), or empty when the whole key exists.
; An earlier installation's record is kept, so a reinstall still removes
; what the first one created.
Function FindMissingPerMakerKey
  StrCpy $CreatedKey ""
  StrCpy $1 "${PER_MAKER_KEY}"
  ${Do}
    ClearErrors
    EnumRegKey $2 HKLM "$1" 0
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    StrCpy $CreatedKey "$1"
    ${GetParent} "$1" $1
  ${LoopUntil} $1 == "SOFTWARE"
  ${If} $CreatedKey == ""
    ReadRegStr $CreatedKey HKLM "${UNINSTALL_KEY}" "${CREATED_KEY_VALUE}"
  ${EndIf}
FunctionEnd

; The program stores the model and the key itself; its quiet run (-q) shows
; nothing, and -n spares the OpenGL probe's window and wait.
Function RecordBoard
  ${If} $Model == ""
    DetailPrint "No board model given (/MODEL=): none recorded."
    Return
  ${EndIf}
  Call FindMissingPerMakerKey
  StrCpy $0 '"$INSTDIR\vexelpanel.exe" -q -n -s "$Model"'
  ${If} $SettingsKey != ""
    StrCpy $0 '$0 -p "$SettingsKey"'
  ${EndIf}
  DetailPrint "Recording the board model: $0"
  ClearErrors
  ExecWait $0 $1
  ${If} ${Errors}
    !insertmacro FailInstall "${PRODUCT} could not be started to record the board model."
  ${ElseIf} $1 <> 0
    !insertmacro FailInstall "${PRODUCT} could not record the board model and the settings key (exit status $1). Nothing was installed."
  ${EndIf}
FunctionEnd

!macro AddFileSize NAME
  FileOpen $0 "$INSTDIR\${NAME}" r
  FileSeek $0 0 END $1
  FileClose $0
  IntOp $2 $2 + $1
!macroend

Section "${PRODUCT}"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=vexelpanel.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  Call RecordBoard

  CreateShortcut "${SHORTCUT}" "$INSTDIR\vexelpanel.exe"
  ; The size in KB of what is installed, rounded up.
  StrCpy $2 0
  !insertmacro AddFileSize "vexelpanel.exe"
  !insertmacro AddFileSize "uninstall.exe"
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
  ${If} $CreatedKey != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${CREATED_KEY_VALUE}" "$CreatedKey"
  ${EndIf}
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; The per-maker key goes only when this installer's run created it: a key
; that was there before belongs to whoever made it (the driver's setup, or
; an administrator's own run with -s), and the display driver's own values
; are never the installer's to remove.
Function un.RemoveCreatedPerMakerKey
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "${CREATED_KEY_VALUE}"
  ${If} $0 == ""
    Return
  ${EndIf}
  DeleteRegValue HKLM "${PER_MAKER_KEY}" "InstalledCard"
  DeleteRegValue HKLM "${PER_MAKER_KEY}" "RegistryPath"
  StrCpy $1 "${PER_MAKER_KEY}"
  ${Do}
    ; Anything another program put below it since keeps the key.
    DeleteRegKey /ifempty HKLM "$1"
    ${If} $1 == $0
      ${Break}
    ${EndIf}
    ${GetParent} "$1" $1
  ${LoopUntil} $1 == "SOFTWARE"
FunctionEnd

Section "Uninstall"
  Call un.RemoveCreatedPerMakerKey
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\vexelpanel.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
