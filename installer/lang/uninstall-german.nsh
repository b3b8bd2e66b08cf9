; The uninstaller's own texts in German; MUI2 brings the pages' common ones.
!define LANG ${LANG_GERMAN}
LangString Caption ${LANG} "Deinstallation von ${PRODUCT} ${FILE_VERSION}"
LangString AbortWarning ${LANG} "Sind Sie sicher, dass Sie die Deinstallation von ${PRODUCT} abbrechen möchten?"
LangString WelcomeTitle ${LANG} "${PRODUCT} deinstallieren"
LangString WelcomeText ${LANG} "${PRODUCT} wird aus $INSTDIR entfernt, mit seiner Verknüpfung im Startmenü und seinem Eintrag zum Deinstallieren.$\r$\n$\r$\nEin Kartenmodell, das seine Installation eingetragen hat, wird entfernt; Werte, die vorher da waren, etwa die des Anzeigetreiber-Setups, werden wiederhergestellt.$\r$\n$\r$\nKlicken Sie auf Deinstallieren, um fortzufahren."
LangString RemovingTitle ${LANG} "Deinstallieren"
LangString RemovingSubtitle ${LANG} "Bitte warten Sie, während ${PRODUCT} entfernt wird."
LangString RemovedTitle ${LANG} "Deinstallation abgeschlossen"
LangString RemovedSubtitle ${LANG} "${PRODUCT} wurde entfernt."
LangString NotRemovedTitle ${LANG} "Deinstallation abgebrochen"
LangString NotRemovedSubtitle ${LANG} "${PRODUCT} wurde nicht entfernt."
LangString NotTheInstalledCopy ${LANG} "Dies ist nicht das Deinstallationsprogramm des installierten ${PRODUCT}, das in $0 liegt. Es wurde nichts entfernt."
LangString ProgramNotRemoved ${LANG} "$INSTDIR\vexelpanel.exe konnte nicht gelöscht werden: läuft ${PRODUCT}? Beenden Sie es und deinstallieren Sie erneut. Es wurde nichts entfernt."
LangString EntryNotRemoved ${LANG} "${PRODUCT} wurde entfernt, aber sein Eintrag zum Deinstallieren konnte nicht gelöscht werden."
!undef LANG
