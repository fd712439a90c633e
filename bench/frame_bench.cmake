add_library(mq_benchsupport STATIC ${CMAKE_CURRENT_LIST_DIR}/BenchWindow.cpp)
# The memory reader is the tests' own.
target_include_directories(mq_benchsupport PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(mq_benchsupport PUBLIC mq_app Qt6::Test)

add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupComparison.cpp)
target_link_libraries(frame_bench PRIVATE mq_benchsupport)

# The two programs whose starts frame_bench compares: the viewer's own start,
# and a bare window of its shape that links no more than Qt and GL.
add_executable(startup_probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupProbe.cpp)
target_link_libraries(startup_probe PRIVATE mq_app)
add_executable(bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BareWindow.cpp ${CMAKE_CURRENT_LIST_DIR}/BareView.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets OpenGL::GL)
target_include_directories(startup_probe PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_include_directories(bare_window PRIVATE ${PROJECT_SOURCE_DIR}/tests/support ${PROJECT_SOURCE_DIR}/panel
  ${PROJECT_SOURCE_DIR}/config)
add_dependencies(frame_bench startup_probe bare_window)

add_executable(drag_bench ${CMAKE_CURRENT_LIST_DIR}/drag_bench.cpp)
target_link_libraries(drag_bench PRIVATE mq_benchsupport)
