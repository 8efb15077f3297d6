target_link_libraries(test_gui PRIVATE Qt6::Test)
set_target_properties(test_gui PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON)
add_dependencies(test_gui tessaline-sim tessaline)
# The windows run without a display. Qt keeps some allocations until the process ends, which the
# leak checker would report; the other test programs keep their leak detection.
set(area_test_properties ENVIRONMENT QT_QPA_PLATFORM=offscreen
    ENVIRONMENT_MODIFICATION ASAN_OPTIONS=set:detect_leaks=0)
