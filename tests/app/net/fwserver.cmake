# kivo-sim-fwserver, the firmware server for people to point kivo-sim-app at (never installed), and
# what it is made of: the small HTTP server of the tests and the firmware of the whole update and
# restore of the OEM headset (its --demo folder, also the acceptance test's). Included by the test
# build and by the sim build.
if(NOT TARGET firmware_file_builder)
  add_library(firmware_file_builder STATIC ${PROJECT_SOURCE_DIR}/tests/link/firmware_file_builder.cpp)
  target_link_libraries(firmware_file_builder PUBLIC link)
  kivo_target_defaults(firmware_file_builder)
endif()

add_library(kivo_test_http STATIC ${CMAKE_CURRENT_LIST_DIR}/local_http_server.cpp)
target_include_directories(kivo_test_http PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kivo_test_http PUBLIC Threads::Threads)
kivo_target_defaults(kivo_test_http)

add_library(kivo_demo_firmware STATIC ${CMAKE_CURRENT_LIST_DIR}/demo_firmware.cpp)
target_include_directories(kivo_demo_firmware PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kivo_demo_firmware PUBLIC firmware_file_builder text)
kivo_target_defaults(kivo_demo_firmware)

add_executable(kivo-sim-fwserver ${CMAKE_CURRENT_LIST_DIR}/fwserver_main.cpp)
target_link_libraries(kivo-sim-fwserver PRIVATE kivo_test_http kivo_demo_firmware)
# The same place in the test build and the sim build.
set_target_properties(kivo-sim-fwserver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests/app/net)
kivo_target_defaults(kivo-sim-fwserver)
