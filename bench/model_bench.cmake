add_executable(model_bench ${CMAKE_CURRENT_LIST_DIR}/model_bench.cpp)
target_include_directories(model_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(model_bench PRIVATE mq_app Qt6::Test)
