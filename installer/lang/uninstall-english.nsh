; The uninstaller's own texts in English.
!define LANG ${LANG_ENGLISH}
LangString Caption ${LANG} "${PRODUCT} ${FILE_VERSION} Uninstall"
LangString NotTheInstalledCopy ${LANG} "This is not the uninstaller of the installed ${PRODUCT}, which is in $0. Nothing was removed."
LangString ProgramNotRemoved ${LANG} "$INSTDIR\vexelpanel.exe could not be deleted: is ${PRODUCT} running? Close it and uninstall again. Nothing was removed."
LangString EntryNotRemoved ${LANG} "${PRODUCT} was removed, but its uninstall entry could not be deleted."
!undef LANG
