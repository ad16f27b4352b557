find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(nlohmann_json 3.11 REQUIRED)

# The device libraries: the application links the real ones, the tests the simulated bus.
pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
pkg_check_modules(LIBUSB1 REQUIRED IMPORTED_TARGET libusb-1.0)
pkg_check_modules(LIBUSB01 REQUIRED IMPORTED_TARGET libusb)

# Headers of the device libraries without their code, for the link layer.
add_library(kivo_device_headers INTERFACE)
target_include_directories(kivo_device_headers SYSTEM INTERFACE
    ${HIDAPI_INCLUDE_DIRS} ${LIBUSB1_INCLUDE_DIRS} ${LIBUSB01_INCLUDE_DIRS})

if(KIVO_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(KIVO_BUILD_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
