# The suite's entries on Windows, run under Wine (the build's cross-compiling emulator) by
# scripts/windows.sh test: the tests that need no window, then the window tests on the headless
# platform and on the program's own windows platform, each labelled windows. The parts that exist
# only on Linux stay out: the accessibility bus and the screen reader, the display servers and
# what is measured on their screens, the monkey's X events, the desktop files and the .deb.
foreach(program keb_tests keb_scaled_tests)
    qt_import_plugins(${program} INCLUDE Qt6::QOffscreenIntegrationPlugin)
endforeach()

# One label each: a list of labels would break the discovery's property pairs, and the timeout
# with them.
gtest_discover_tests(keb_pure_tests TEST_PREFIX windows. ${discovery}
    PROPERTIES LABELS windows TIMEOUT ${quick_timeout})

foreach(platform offscreen windows)
    set(prefix windows.${platform}.)
    set(properties ENVIRONMENT KEB_TEST_PLATFORM=${platform} LABELS windows)
    # The windows platform's windows share one display: one program on it at a time.
    if(platform STREQUAL windows)
        list(APPEND properties RESOURCE_LOCK wine-display)
    endif()
    set(runs RandomLearner/*)
    if(platform STREQUAL windows)
        set(runs ${runs}-*BuiltInContentSeed2:*BuiltInContentSeed3:*WithPicturesSeed5)
    endif()
    gtest_discover_tests(keb_tests TEST_PREFIX ${prefix} TEST_FILTER ${runs} ${discovery}
        PROPERTIES ${properties} TIMEOUT ${long_timeout})
    gtest_discover_tests(keb_tests TEST_PREFIX ${prefix} TEST_FILTER -RandomLearner/* ${discovery}
        PROPERTIES ${properties} TIMEOUT ${quick_timeout})
    add_test(NAME ${prefix}HighDpi.AtScaleFactorTwo COMMAND keb_scaled_tests)
    set_tests_properties(${prefix}HighDpi.AtScaleFactorTwo PROPERTIES ${properties}
                                                                     TIMEOUT ${quick_timeout})
    # Wine hands a program no QT_ variable: the tests' main sets each KEB_QT_ one as QT_.
    set_property(TEST ${prefix}HighDpi.AtScaleFactorTwo APPEND PROPERTY ENVIRONMENT
                 KEB_QT_SCALE_FACTOR=2)
endforeach()

# The program as shipped: the installer under Wine, and a learner's real mouse and key events on
# the stripped keb.exe, read back off the screen. Both need what scripts/windows.sh package made.
add_test(NAME windows.Installer COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer_test.sh
                                        ${CMAKE_BINARY_DIR})
add_test(NAME windows.LearnerOnKebExe
         COMMAND /usr/bin/python3 -u ${CMAKE_CURRENT_SOURCE_DIR}/windows/learner_on_wine.py
                 ${CMAKE_CURRENT_SOURCE_DIR}/windows/wine.sh ${CMAKE_BINARY_DIR}/learner-wine
                 ${CMAKE_BINARY_DIR}/dist/KEB/keb.exe ${PROJECT_SOURCE_DIR}/build/screenshots/windows)
set_tests_properties(windows.Installer windows.LearnerOnKebExe PROPERTIES
    LABELS windows RESOURCE_LOCK wine-display TIMEOUT ${long_timeout})
