# The window race, as a tool that counts aborts over many runs and as the
# cycles the suite's guard runs in-process.
add_library(mq_windowstress STATIC ${CMAKE_CURRENT_LIST_DIR}/WindowStress.cpp)
target_include_directories(mq_windowstress PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mq_windowstress PUBLIC mq_app Qt6::Test)

add_executable(window_stress ${CMAKE_CURRENT_LIST_DIR}/window_stress.cpp)
target_link_libraries(window_stress PRIVATE mq_windowstress)
