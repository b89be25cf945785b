# The browser's front end: the WebAssembly build, run with node against the desktop's programs.
option(TR_WEB_TESTS "Test the WebAssembly build against this one" ON)
set(TR_WEB_BUILD ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The WebAssembly build")
find_program(NODE node)
if(TR_WEB_TESTS AND NODE AND EXISTS ${TR_WEB_BUILD}/total-reflection-driver.js)
    add_test(NAME web_driver COMMAND ${NODE} --test ${PROJECT_SOURCE_DIR}/web/tests/driver.test.mjs)
    set_tests_properties(web_driver PROPERTIES TIMEOUT 600 ENVIRONMENT
        "TR_DRIVER=$<TARGET_FILE:total-reflection-driver>;TR_WEB_DRIVER=${TR_WEB_BUILD}/total-reflection-driver.js;QT_NO_GLIB=1")
endif()
