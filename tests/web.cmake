# The browser's front end: the WebAssembly build, run with node against the desktop's programs.
option(TR_WEB_TESTS "Test the WebAssembly build against this one" ON)
set(TR_WEB_BUILD ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The WebAssembly build")
find_program(NODE node)
if(TR_WEB_TESTS AND NODE AND EXISTS ${TR_WEB_BUILD}/total-reflection-driver.js)
    add_test(NAME web_driver COMMAND ${NODE} --test ${PROJECT_SOURCE_DIR}/web/tests/driver.test.mjs)
    set_tests_properties(web_driver PROPERTIES TIMEOUT 600 ENVIRONMENT
        "TR_DRIVER=$<TARGET_FILE:total-reflection-driver>;TR_WEB_DRIVER=${TR_WEB_BUILD}/total-reflection-driver.js;TR_LANGUAGES=${trLanguages}")
endif()

# The page in headless Chromium: its state against the desktop driver's, its geometry, keys,
# input during a run, both of its forms, what a run measured (in words and as numbers), and the
# pictures of six runs, which the desktop's own canvas is then compared with, pixel for pixel.
if(TR_WEB_TESTS AND NODE AND EXISTS ${TR_WEB_BUILD}/total-reflection.html)
    set(canvasDir ${CMAKE_CURRENT_BINARY_DIR}/web-canvas)
    add_test(NAME web_page COMMAND ${NODE} --test ${PROJECT_SOURCE_DIR}/web/tests/window.test.mjs
        ${PROJECT_SOURCE_DIR}/web/tests/run.test.mjs ${PROJECT_SOURCE_DIR}/web/tests/screens.test.mjs
        ${PROJECT_SOURCE_DIR}/web/tests/files.test.mjs ${PROJECT_SOURCE_DIR}/web/tests/readings.test.mjs
        ${PROJECT_SOURCE_DIR}/web/tests/lesson.test.mjs)
    set_tests_properties(web_page PROPERTIES TIMEOUT 900 FIXTURES_SETUP web_canvas RUN_SERIAL TRUE ENVIRONMENT
        "TR_PAGE_FILE=${TR_WEB_BUILD}/total-reflection.html;TR_PAGE_DIR=${TR_WEB_BUILD}/site;TR_DRIVER=$<TARGET_FILE:total-reflection-driver>;TR_CANVAS_DIR=${canvasDir};TR_LANGUAGES=${trLanguages}")
    tr_add_test(tst_webcanvas SOURCES tst_webcanvas.cpp LIBRARIES app)
    set_tests_properties(tst_webcanvas PROPERTIES FIXTURES_REQUIRED web_canvas ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TR_CANVAS_DIR=${canvasDir}")
endif()

# The page in the other engines a class may meet it in, Firefox and WebKit, against Chromium's
# pictures; WebKit's MiniBrowser on a virtual X server.
find_program(FIREFOX firefox-esr)
find_program(WEBKIT_DRIVER WebKitWebDriver)
find_program(XVFB_RUN xvfb-run)
if(TR_WEB_TESTS AND NODE AND FIREFOX AND WEBKIT_DRIVER AND XVFB_RUN AND EXISTS ${TR_WEB_BUILD}/total-reflection.html)
    add_test(NAME web_engines COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
        ${NODE} --test ${PROJECT_SOURCE_DIR}/web/tests/engines.test.mjs)
    set_tests_properties(web_engines PROPERTIES TIMEOUT 600 FIXTURES_REQUIRED web_canvas RUN_SERIAL TRUE ENVIRONMENT
        "TR_PAGE_FILE=${TR_WEB_BUILD}/total-reflection.html;TR_CANVAS_DIR=${canvasDir};FIREFOX=${FIREFOX}")
endif()

# The folder as a plain web space serves it (python's own web server): a new build arrives whole,
# the second load runs it and so does a load with no network after that, a build that arrived in
# part never runs, and where nothing can be kept the page still works; and a phone's first load,
# as Lighthouse simulates it.
find_program(PYTHON3 python3)
if(TR_WEB_TESTS AND NODE AND PYTHON3 AND EXISTS ${TR_WEB_BUILD}/site/index.html)
    add_test(NAME web_site COMMAND ${NODE} --test ${PROJECT_SOURCE_DIR}/web/tests/site.test.mjs)
    set_tests_properties(web_site PROPERTIES TIMEOUT 300 ENVIRONMENT "TR_WEB_BUILD=${TR_WEB_BUILD}")
    add_test(NAME web_first_load COMMAND ${NODE} --test ${PROJECT_SOURCE_DIR}/web/tests/lighthouse.test.mjs)
    set_tests_properties(web_first_load PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE ENVIRONMENT
        "TR_PAGE_DIR=${TR_WEB_BUILD}/site")
endif()
