; The installer's own texts in English.
!define LANG ${LANG_ENGLISH}
LangString Caption ${LANG} "${PRODUCT} ${FILE_VERSION} Setup"
LangString QuoteRefused ${LANG} "The value of $Option contains a double quote, which ${PRODUCT}'s command line cannot carry. Quotes around a value are removed; a quote inside a value is not allowed. Nothing was installed."
LangString UnknownOption ${LANG} "Unknown option: $Option$\r$\nSetup understands /S, /MODEL=, /KEY= and /D=. Nothing was installed."
LangString CommandLineCut ${LANG} "The command line is longer than the ${NSIS_MAX_STRLEN} characters Setup can read, so the value of $Option would be cut. Nothing was installed."
LangString UnknownModel ${LANG} "Unknown board model: $Model$\r$\nThe model is VexelHawk or VexelKite. Nothing was installed."
LangString KeyTooLong ${LANG} "The settings key is too long: $0 characters, at most ${KEY_MAX}. Nothing was installed."
LangString RecordedValueUnreadable ${LANG} "A value under HKEY_LOCAL_MACHINE\${PER_MAKER_KEY} is too long for Setup to read, so it could not be kept or put back. Nothing was installed."
LangString NoModel ${LANG} "No board model chosen: none recorded."
LangString Recording ${LANG} "Recording the board model:"
LangString ProgramNotStarted ${LANG} "${PRODUCT} could not be started to record the board model. Nothing was installed."
LangString RecordFailed ${LANG} "${PRODUCT} could not record the board model and the settings key (exit status $1). Nothing was installed."
LangString ProgramRunning ${LANG} "${PRODUCT} is running from $INSTDIR. Close it and run Setup again. Nothing was installed."
LangString FilesNotPut ${LANG} "The files could not be put in $INSTDIR. Nothing was installed."
LangString NotRegistered ${LANG} "The Start menu shortcut or the uninstall entry could not be written. Nothing was installed."
LangString FolderTooLong ${LANG} "The folder name is too long: at most ${FOLDER_MAX} characters. Nothing was installed."
!undef LANG
