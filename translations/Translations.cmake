# The languages the program speaks beside English, one .ts file each, shared by both front ends:
# the desktop compiles them into the program, and the page's build turns them into its table and
# subsets its fonts to their letters. A new language is its code here: update_translations then
# starts its .ts file with every word to translate. Their words come from the window library (the
# design's captions and names, the refusals, the result in words, the workbook), the desktop
# window (its picture actions, its command line) and the page's module (its own few words).
set(TR_LANGUAGES cs de es fr pl sk uk)
list(TRANSFORM TR_LANGUAGES REPLACE "(.+)" "${CMAKE_CURRENT_LIST_DIR}/total-reflection_\\1.ts"
    OUTPUT_VARIABLE TR_TS_FILES)
set(TR_SHARED_TRANSLATED_SOURCES
    ${PROJECT_SOURCE_DIR}/window/form/Design.h
    ${PROJECT_SOURCE_DIR}/window/form/Design.cpp
    ${PROJECT_SOURCE_DIR}/window/form/Refusal.cpp
    ${PROJECT_SOURCE_DIR}/window/form/Choices.cpp
    ${PROJECT_SOURCE_DIR}/window/rules/Menu.cpp
    ${PROJECT_SOURCE_DIR}/window/handout/Statement.cpp
    ${PROJECT_SOURCE_DIR}/window/handout/Workbook.cpp
    ${PROJECT_SOURCE_DIR}/window/handout/Worksheet.cpp
    ${PROJECT_SOURCE_DIR}/web/page.cpp)
