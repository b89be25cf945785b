# The program's words in Czech and German, one .ts file a language, shared by both front ends: the
# desktop compiles them into the program, and the page's build turns them into its table. Their
# words come from the window library (the design's captions and names, the refusals), the desktop
# window (its picture actions, its command line) and the page's module (its own few words).
set(TR_TS_FILES
    ${CMAKE_CURRENT_LIST_DIR}/total-reflection_cs.ts
    ${CMAKE_CURRENT_LIST_DIR}/total-reflection_de.ts)
set(TR_SHARED_TRANSLATED_SOURCES
    ${PROJECT_SOURCE_DIR}/window/form/Design.h
    ${PROJECT_SOURCE_DIR}/window/form/Design.cpp
    ${PROJECT_SOURCE_DIR}/window/form/Refusal.cpp
    ${PROJECT_SOURCE_DIR}/window/form/Choices.cpp
    ${PROJECT_SOURCE_DIR}/window/rules/Menu.cpp
    ${PROJECT_SOURCE_DIR}/window/handout/Statement.cpp
    ${PROJECT_SOURCE_DIR}/window/handout/Workbook.cpp
    ${PROJECT_SOURCE_DIR}/web/page.cpp)
