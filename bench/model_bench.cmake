add_executable(model_bench ${CMAKE_CURRENT_LIST_DIR}/model_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/WheelStates.cpp)
target_link_libraries(model_bench PRIVATE mq_benchsupport)
