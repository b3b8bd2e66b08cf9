; What the installer and the uninstaller share: where things are, and how the
; per-maker key is put back as it was before an installation recorded the
; board in it.

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Where the program keeps the board model and the settings key: below the
; maker's key, named after its version resource's InternalName and FileVersion.
!define MAKER_KEY "SOFTWARE\${PUBLISHER}"
!define PER_MAKER_KEY "${MAKER_KEY}\${INTERNAL_NAME}\${FILE_VERSION}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

; What the first installation that recorded the board found, kept in the
; uninstall entry so that the uninstaller can put it back:
;   CreatedPerMakerKey     the outermost level of the per-maker key it created
;   KeptPerMakerKey        1: the key was there before; it stays
;   ReplacedInstalledCard  the values that key held, each only when it had it
;   ReplacedRegistryPath
!define CREATED_KEY_VALUE "CreatedPerMakerKey"
!define KEPT_KEY_VALUE "KeptPerMakerKey"
!define REPLACED_PREFIX "Replaced"

; Changes the current folder without a line in the details.
!macro WorkIn FOLDER
  SetDetailsPrint none
  SetOutPath "${FOLDER}"
  SetDetailsPrint lastused
!macroend

; The per-maker key as it was: either $KeyCreated names the outermost level
; that was missing, or $KeptKey is 1 and $HadCard/$HadPath say whether each
; value was there (1) and $CardBefore/$PathBefore hold it.
Var KeyCreated
Var KeptKey
Var HadCard
Var CardBefore
Var HadPath
Var PathBefore

; Sets a value back to what it was, writing only where it differs, so a
; value that was not changed keeps its type and bytes.
!macro PutBackValue NAME HAD BEFORE
  ClearErrors
  ReadRegStr $1 HKLM "${PER_MAKER_KEY}" "${NAME}"
  ${If} ${HAD} == 1
    ${If} ${Errors}
    ${OrIf} $1 S!= ${BEFORE}
      WriteRegStr HKLM "${PER_MAKER_KEY}" "${NAME}" ${BEFORE}
    ${EndIf}
  ${ElseIfNot} ${Errors}
    DeleteRegValue HKLM "${PER_MAKER_KEY}" "${NAME}"
  ${EndIf}
!macroend

; A created key goes with its values, level by level up to the one that was
; missing; anything another program put below it since keeps that level.
Function RestorePerMakerKey
  ${If} $KeyCreated != ""
    DeleteRegValue HKLM "${PER_MAKER_KEY}" "InstalledCard"
    DeleteRegValue HKLM "${PER_MAKER_KEY}" "RegistryPath"
    StrCpy $1 "${PER_MAKER_KEY}"
    ${Do}
      DeleteRegKey /ifempty HKLM "$1"
      ${If} $1 == $KeyCreated
        ${Break}
      ${EndIf}
      ${GetParent} "$1" $1
    ${LoopUntil} $1 == "SOFTWARE"
  ${ElseIf} $KeptKey == 1
    !insertmacro PutBackValue "InstalledCard" $HadCard $CardBefore
    !insertmacro PutBackValue "RegistryPath" $HadPath $PathBefore
  ${EndIf}
FunctionEnd
