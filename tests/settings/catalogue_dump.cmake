# settings_catalogue_dump, the catalogue for review and the writer of backups for the restore page
# by hand (never installed). It never opens a device, but the save's plans live beside the link
# calls, so it links the simulated libraries as tests do. Included by the test build and by the sim
# build.
add_executable(settings_catalogue_dump ${CMAKE_CURRENT_LIST_DIR}/settings_catalogue_dump.cpp)
target_link_libraries(settings_catalogue_dump PRIVATE settings update_frame update_server kivo_sim kivo_demo_firmware)
# The same place in the test build and the sim build.
set_target_properties(settings_catalogue_dump PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                         ${PROJECT_BINARY_DIR}/tests/settings)
kivo_target_defaults(settings_catalogue_dump)
