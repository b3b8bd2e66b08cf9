; The uninstaller's own texts in English; MUI2 brings the pages' common ones.
!define LANG ${LANG_ENGLISH}
LangString Caption ${LANG} "${PRODUCT} ${FILE_VERSION} Uninstall"
LangString AbortWarning ${LANG} "Are you sure you want to quit ${PRODUCT} Uninstall?"
LangString WelcomeTitle ${LANG} "Uninstall ${PRODUCT}"
LangString WelcomeText ${LANG} "${PRODUCT} will be removed from $INSTDIR, with its Start menu shortcut and its uninstall entry.$\r$\n$\r$\nA board model that its installation recorded is taken away; values that were there before, such as the display driver setup's, are put back.$\r$\n$\r$\nClick Uninstall to continue."
LangString RemovingTitle ${LANG} "Uninstalling"
LangString RemovingSubtitle ${LANG} "Please wait while ${PRODUCT} is being removed."
LangString RemovedTitle ${LANG} "Uninstallation Complete"
LangString RemovedSubtitle ${LANG} "${PRODUCT} was removed."
LangString NotRemovedTitle ${LANG} "Uninstallation Aborted"
LangString NotRemovedSubtitle ${LANG} "${PRODUCT} was not removed."
LangString NotTheInstalledCopy ${LANG} "This is not the uninstaller of the installed ${PRODUCT}, which is in $0. Nothing was removed."
LangString ProgramNotRemoved ${LANG} "$INSTDIR\vexelpanel.exe could not be deleted: is ${PRODUCT} running? Close it and uninstall again. Nothing was removed."
LangString EntryNotRemoved ${LANG} "${PRODUCT} was removed, but its uninstall entry could not be deleted."
!undef LANG
