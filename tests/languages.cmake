# The window in every language it speaks: its words under the desktop's language, every caption
# within its control in every language, and the translations finished and up to date with the
# sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
tr_add_test(tst_languages SOURCES tst_languages.cpp LIBRARIES app)
target_compile_definitions(tst_languages PRIVATE
    LUPDATE="$<TARGET_FILE:Qt6::lupdate>"
    TS_FILES="$<JOIN:$<TARGET_PROPERTY:app,TR_TS_FILES>,|>"
    TRANSLATED_SOURCES="$<JOIN:$<TARGET_PROPERTY:app,TR_TRANSLATED_SOURCES>,|>")
set_tests_properties(tst_languages PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=cs")
# The same window under each other language: only what depends on the desktop's language; the
# German captions and messages are checked word for word too.
foreach(language IN LISTS TR_LANGUAGES)
    if(language STREQUAL "cs")
        continue()
    endif()
    set(checks desktopLanguage)
    if(language STREQUAL "de")
        list(APPEND checks captions titleNamesAndRefusal)
    endif()
    add_test(NAME tst_languages_${language} COMMAND tst_languages ${checks})
    set_tests_properties(tst_languages_${language} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=${language}")
endforeach()
# Captions' letters within their boxes at a fractional and a whole resolution too.
foreach(ratio 1.25 1.7391 2)
    add_test(NAME tst_languages_ink_${ratio} COMMAND tst_languages captionInkWithinItsBox)
    set_tests_properties(tst_languages_ink_${ratio} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=${ratio}")
endforeach()
# What a run says, as a rule over a grid of runs, in every language.
tr_add_test(tst_statement SOURCES tst_statement.cpp LIBRARIES app)
