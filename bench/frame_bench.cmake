add_library(mq_benchsupport STATIC ${CMAKE_CURRENT_LIST_DIR}/BenchWindow.cpp)
target_include_directories(mq_benchsupport PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mq_benchsupport PUBLIC mq_app Qt6::Test)

add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp)
target_link_libraries(frame_bench PRIVATE mq_benchsupport)

add_executable(drag_bench ${CMAKE_CURRENT_LIST_DIR}/drag_bench.cpp)
target_link_libraries(drag_bench PRIVATE mq_benchsupport)
