add_library(mq_benchsupport STATIC ${CMAKE_CURRENT_LIST_DIR}/BenchWindow.cpp)
# The memory reader is the tests' own.
target_include_directories(mq_benchsupport PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(mq_benchsupport PUBLIC mq_app Qt6::Test)

add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupComparison.cpp)
target_link_libraries(frame_bench PRIVATE mq_benchsupport)

# The programs whose starts frame_bench compares: the viewer's own start, and
# windows of its shape that link no more than Qt and GL: a bare one that only
# clears, and one that lights a cylinder (GLU too, for that).
add_executable(startup_probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupProbe.cpp)
target_link_libraries(startup_probe PRIVATE mq_app)
target_include_directories(startup_probe PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
add_executable(lit_window ${CMAKE_CURRENT_LIST_DIR}/lit_window.cpp ${CMAKE_CURRENT_LIST_DIR}/LitView.cpp)
target_link_libraries(lit_window PRIVATE OpenGL::GLU)
foreach(baseline bare_window lit_window)
  target_sources(${baseline} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BareStart.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupProbe.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BareWindow.cpp ${CMAKE_CURRENT_LIST_DIR}/BareView.cpp)
  target_link_libraries(${baseline} PRIVATE Qt6::Widgets OpenGL::GL)
  target_include_directories(${baseline} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support ${PROJECT_SOURCE_DIR}/panel
    ${PROJECT_SOURCE_DIR}/config)
endforeach()
add_dependencies(frame_bench startup_probe bare_window lit_window)

add_executable(drag_bench ${CMAKE_CURRENT_LIST_DIR}/drag_bench.cpp)
target_link_libraries(drag_bench PRIVATE mq_benchsupport)
