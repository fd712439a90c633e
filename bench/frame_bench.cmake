add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp)
target_include_directories(frame_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(frame_bench PRIVATE mq_app Qt6::Test)
