# The window in Czech and German: its words under the desktop's language, every caption within
# its control in every language, and the translations finished and up to date with the sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
tr_add_test(tst_languages SOURCES tst_languages.cpp LIBRARIES app)
target_compile_definitions(tst_languages PRIVATE
    LUPDATE="$<TARGET_FILE:Qt6::lupdate>"
    TS_FILES="$<JOIN:$<TARGET_PROPERTY:app,TR_TS_FILES>,|>"
    TRANSLATED_SOURCES="$<JOIN:$<TARGET_PROPERTY:app,TR_TRANSLATED_SOURCES>,|>")
set_tests_properties(tst_languages PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=cs")
# The same window under German: only what depends on the desktop's language.
add_test(NAME tst_languages_de COMMAND tst_languages captions titleNamesAndRefusal)
set_tests_properties(tst_languages_de PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=de")
# Captions' letters within their boxes at a fractional and a whole resolution too.
foreach(ratio 1.25 2)
    add_test(NAME tst_languages_ink_${ratio} COMMAND tst_languages captionInkWithinItsBox)
    set_tests_properties(tst_languages_ink_${ratio} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=${ratio}")
endforeach()
# What a run says, as a rule over a grid of runs, in every language.
tr_add_test(tst_statement SOURCES tst_statement.cpp LIBRARIES app)
